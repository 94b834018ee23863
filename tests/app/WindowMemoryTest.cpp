#include "app/WindowMemory.h"

#include "CaseName.h"
#include "WindowFixture.h"
#include "app/ExportOptionsDialog.h"
#include "browser/KeptLogin.h"
#include "browser/ListingRows.h"
#include "platform/RecordingSecretStore.h"
#include "service/session.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

// The suite runs without a D-Bus session, so the window meets no keyring: the tick is off
// and says why, and a login keeps nothing and complains of nothing.
TEST_F(WindowFixture, WithoutKeyringTheTickIsDisabledAndSaysWhy)
{
    auto& remember = control<QAction>("CheckRememberPassword");
    EXPECT_FALSE(remember.isEnabled());
    EXPECT_FALSE(remember.isChecked());
    EXPECT_TRUE(remember.toolTip().startsWith(QStringLiteral("没有可用的系统密钥环")))
        << remember.toolTip().toStdString();
    logInAsDemo();
    EXPECT_TRUE(desktop.messages.isEmpty());
}

class KeptWindowTest : public WindowFixture
{
protected:
    // Made before the window, which asks the store whether it can keep secrets.
    RecordingSecretStore secrets;

    QString stored(SecretKind kind) const
    {
        return secrets.stored(service.baseUrl(), DemoService::account(), kind);
    }

    /** Logs in with "记住密码" ticked and makes choices other than the start-up ones. */
    void useTheWindow()
    {
        control<QAction>("CheckRememberPassword").setChecked(true);
        logInAsDemo();
        control<QRadioButton>("Option2").setChecked(true);
        control<QComboBox>("Combo1").setCurrentIndex(4);
        control<QCheckBox>("CheckSubfolders").setChecked(true);
        window->setGeometry(40, 50, 1000, 700);
        chooseExportOptions();
    }

    /** Takes export options other than the start-up ones through the options dialog. */
    void chooseExportOptions()
    {
        control<QAction>("CommandExportOptions").trigger();
        auto* dialog = window->findChild<ExportOptionsDialog*>();
        ASSERT_NE(dialog, nullptr);
        const std::pair<const char*, QString> fields[] = {
            {"IncludePatterns", QStringLiteral("*.mkv; 工作/**/*.pdf")},
            {"ExcludePatterns", QStringLiteral("临时/")},
            {"MinSize", QStringLiteral("700M")},
            {"MaxSize", QStringLiteral("4.5G")},
            {"ExportFolder", exportFolder.path()},
        };
        for (const auto& [name, text] : fields)
            dialog->findChild<QLineEdit*>(QLatin1String(name))->setText(text);
        dialog->findChild<QCheckBox*>(QStringLiteral("KeepGoing"))->setChecked(true);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }

    QTemporaryDir exportFolder;
};

TEST_F(KeptWindowTest, RemembersAccountChoicesAndPlaceForTheNextWindowOnly)
{
    const QString settingsFile = WindowMemory(*window).settingsFile();
    QFile::remove(settingsFile);
    useTheWindow();
    window.reset();
    EXPECT_FALSE(QFile::exists(settingsFile)) << "a window alone writes no settings";

    window = std::make_unique<frmTest>();
    useTheWindow();
    WindowMemory(*window).save();
    window.reset();
    SetSessionCookie(QString());
    forgetTraffic();

    window = std::make_unique<frmTest>();
    EXPECT_EQ(control<QLineEdit>("user").text(), QString()) << "built as specified";
    EXPECT_EQ(control<QComboBox>("Combo1").currentIndex(), 2);
    WindowMemory(*window).restore();

    EXPECT_EQ(control<QLineEdit>("user").text(), DemoService::account());
    EXPECT_EQ(control<QLineEdit>("pass").text(), DemoService::password());
    EXPECT_TRUE(control<QAction>("CheckRememberPassword").isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option2").isChecked());
    EXPECT_EQ(control<QLineEdit>("Text12").text(), QStringLiteral("3"));
    EXPECT_EQ(control<QComboBox>("Combo1").currentIndex(), 4);
    EXPECT_EQ(control<QLineEdit>("Text2").text(), QStringLiteral("file_size&asc=0"));
    EXPECT_TRUE(control<QCheckBox>("CheckSubfolders").isChecked());
    EXPECT_EQ(window->size(), QSize(1000, 700));
    const ExportOptions& options = window->exportOptions();
    EXPECT_EQ(options.includePatterns, QStringLiteral("*.mkv; 工作/**/*.pdf"));
    EXPECT_EQ(options.folder, exportFolder.path());
    EXPECT_TRUE(options.keepGoing);
    EXPECT_EQ(options.filter.minSize, 700 * 1024 * 1024);
    EXPECT_EQ(
        control<QAction>("CommandExportOptions").toolTip(),
        QStringLiteral("已筛选：只导出 *.mkv; 工作/**/*.pdf；不导出 临时/；至少 700M；至多 4.5G"));
    EXPECT_TRUE(service.requests().isEmpty()) << "no request goes out by itself";

    QFile file(settingsFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray settings = file.readAll();
    EXPECT_TRUE(settings.contains("account=demo")) << settings.constData();
    EXPECT_FALSE(settings.contains(DemoService::password().toUtf8()));
    EXPECT_FALSE(settings.contains("OOFA"));
}

// A hand-edited file, or a folder removed since: what the options dialog would refuse is dropped
// to its default, the rest is kept.
TEST_F(KeptWindowTest, DropsRememberedExportOptionsItCannotUse)
{
    QTemporaryDir goneFolder;
    goneFolder.remove();
    QFile file(WindowMemory(*window).settingsFile());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[export]\ninclude=*.mkv\nexclude=年[度\nmin_size=700 parsecs\n"
               "max_size=1G\nfolder=" +
               goneFolder.path().toUtf8() + "\nkeep_going=true\n");
    file.close();

    WindowMemory(*window).restore();

    const ExportOptions& options = window->exportOptions();
    EXPECT_EQ(options.includePatterns, QStringLiteral("*.mkv"));
    EXPECT_EQ(options.excludePatterns, QString());
    EXPECT_TRUE(options.filter.excludes.isEmpty());
    EXPECT_EQ(options.minSize, QString());
    EXPECT_EQ(options.filter.minSize, std::nullopt);
    EXPECT_EQ(options.filter.maxSize, qint64(1) << 30);
    EXPECT_EQ(options.folder, QString()) << "the working folder";
    EXPECT_TRUE(options.keepGoing);
    EXPECT_EQ(control<QAction>("CommandExportOptions").toolTip(),
              QStringLiteral("已筛选：只导出 *.mkv；至多 1G"));
}

TEST_F(KeptWindowTest, UntickedLoginRemovesAKeptPassword)
{
    control<QAction>("CheckRememberPassword").setChecked(true);
    logInAsDemo();
    EXPECT_EQ(stored(SecretKind::Password), DemoService::password());
    EXPECT_EQ(stored(SecretKind::SessionCookie), SessionCookie());

    control<QAction>("CheckRememberPassword").setChecked(false);
    logInAsDemo();
    EXPECT_EQ(stored(SecretKind::Password), QString());
}

struct EndedCase
{
    const char* name;
    bool keptPassword;
};

class WindowEndedSessionTest : public KeptWindowTest,
                               public ::testing::WithParamInterface<EndedCase>
{
};

// The service ends the session under a listing: with a kept password the window signs in again
// once, silently, and lists; without one it is signed out and asks for the password.
TEST_P(WindowEndedSessionTest, RenewsSilentlyOrSignsOut)
{
    control<QAction>("CheckRememberPassword").setChecked(GetParam().keptPassword);
    logInAsDemo();
    DemoService::Fault ended;
    ended.endSession = true;
    ended.times = 1;
    service.setFault(DemoService::Endpoint::Files, ended);
    forgetTraffic();

    enterFolder(QStringLiteral("我的文档"));

    const qsizetype signIns = service.requestTargets({DemoService::Endpoint::Login}).size();
    if (GetParam().keptPassword) {
        EXPECT_EQ(signIns, 1);
        EXPECT_TRUE(desktop.messages.isEmpty());
        EXPECT_TRUE(rowNames().contains(FolderMarker + QStringLiteral("工作")));
        EXPECT_FALSE(SessionCookie().isEmpty());
    } else {
        EXPECT_EQ(signIns, 0);
        ASSERT_EQ(desktop.messages.size(), 1);
        EXPECT_EQ(desktop.messages.first().text, QStringLiteral("登录已失效，请重新登录"));
        EXPECT_TRUE(SessionCookie().isEmpty());
        EXPECT_EQ(window->focusWidget(), &control<QLineEdit>("pass"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowEndedSessionTest,
                         ::testing::Values(EndedCase{"KeptPassword", true},
                                           EndedCase{"NoPassword", false}),
                         CaseName());

} // namespace
