// Against a real Secret Service that run-keyring-tests.sh starts; nothing here runs without it.
#include "CaseName.h"
#include "DemoServiceFixture.h"
#include "ProgramRun.h"
#include "app/WindowMemory.h"
#include "app/frmTest.h"
#include "browser/KeptLogin.h"
#include "platform/KeychainSecretStore.h"
#include "service/session.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Password = DemoService::password();
const QString Account = DemoService::account();

class KeyringTest : public DemoServiceFixture
{
protected:
    void SetUp() override
    {
        DemoServiceFixture::SetUp();
        ASSERT_EQ(KeychainSecretStore().unavailableReason(), QString())
            << "run through run-keyring-tests.sh, which starts a Secret Service";
        ASSERT_EQ(run({"logout"}, std::nullopt).exitCode, 0);
        forgetTraffic();
    }

    ProgramRun run(QStringList arguments, const std::optional<QString>& password)
    {
        arguments << QStringLiteral("--account=") + Account
                  << QStringLiteral("--service=") + service.baseUrl();
        return RunProgram(arguments, password);
    }

    qsizetype signIns() const
    {
        return service.requestTargets({DemoService::Endpoint::Login}).size();
    }

    QString stored(SecretKind kind)
    {
        return KeychainSecretStore()
            .read({service.baseUrl(), Account, kind})
            .secret.value_or(QStringLiteral("(none)"));
    }
};

TEST_F(KeyringTest, KeepsReadsAndRemovesEachKindApart)
{
    KeychainSecretStore keyring;
    const SecretKey cookie{service.baseUrl(), QStringLiteral("张三"), SecretKind::SessionCookie};
    const SecretKey password{service.baseUrl(), QStringLiteral("张三"), SecretKind::Password};
    ASSERT_EQ(keyring.write(cookie, QStringLiteral("OOFA=1")), QString());
    ASSERT_EQ(keyring.write(password, QStringLiteral("密码 1")), QString());
    EXPECT_EQ(keyring.read(cookie).secret, QStringLiteral("OOFA=1"));
    EXPECT_EQ(keyring.read(password).secret, QStringLiteral("密码 1"));

    EXPECT_EQ(keyring.remove(password), QString());
    EXPECT_EQ(keyring.read(password).secret, std::nullopt);
    EXPECT_EQ(keyring.read(password).problem, QString());
    EXPECT_EQ(keyring.remove(password), QString()) << "nothing to remove is no failure";
    EXPECT_EQ(keyring.read(cookie).secret, QStringLiteral("OOFA=1"));
    EXPECT_EQ(keyring.remove(cookie), QString());
}

TEST_F(KeyringTest, ListAfterLoginSendsNoSignIn)
{
    ASSERT_EQ(run({"login"}, Password).exitCode, 0);
    EXPECT_EQ(signIns(), 1);
    EXPECT_EQ(stored(SecretKind::Password), QStringLiteral("(none)"));
    forgetTraffic();

    const ProgramRun listed = run({"ls", "--quiet"}, std::nullopt);

    EXPECT_EQ(listed.exitCode, 0) << listed.err.constData();
    EXPECT_TRUE(QString::fromUtf8(listed.out).contains(QStringLiteral("相册 2012/")));
    EXPECT_EQ(signIns(), 0);
    EXPECT_FALSE(listingTargets().isEmpty());
}

TEST_F(KeyringTest, ListAfterLogoutWithoutTerminalHasNoPassword)
{
    ASSERT_EQ(run({"login", "--save-password"}, Password).exitCode, 0);
    EXPECT_EQ(stored(SecretKind::Password), Password);
    ASSERT_EQ(run({"logout"}, std::nullopt).exitCode, 0);
    EXPECT_EQ(stored(SecretKind::SessionCookie), QStringLiteral("(none)"));
    EXPECT_EQ(stored(SecretKind::Password), QStringLiteral("(none)"));
    forgetTraffic();

    const ProgramRun listed = run({"ls", "--quiet"}, std::nullopt);

    EXPECT_EQ(listed.exitCode, 2);
    EXPECT_TRUE(listed.err.contains("no password")) << listed.err.constData();
    EXPECT_TRUE(service.requests().isEmpty());
}

struct EndedCase
{
    const char* name;
    DemoService::Endpoint endpoint; // where the service ends the session
    QStringList arguments;
    bool savedPassword;
    int exitCode;
    qsizetype signIns;
};

class EndedSessionTest : public KeyringTest, public ::testing::WithParamInterface<EndedCase>
{
};

// A session the service ends is renewed once with a saved password; without one the run stops
// and says how to sign in again.
TEST_P(EndedSessionTest, RenewsOnceWithASavedPasswordElseStops)
{
    const EndedCase& c = GetParam();
    QStringList login{QStringLiteral("login")};
    if (c.savedPassword)
        login << QStringLiteral("--save-password");
    ASSERT_EQ(run(login, Password).exitCode, 0);
    DemoService::Fault ended;
    ended.endSession = true;
    ended.times = 1;
    service.setFault(c.endpoint, ended);
    forgetTraffic();

    const ProgramRun listed = run(c.arguments, std::nullopt);

    EXPECT_EQ(listed.exitCode, c.exitCode) << listed.err.constData();
    EXPECT_EQ(signIns(), c.signIns);
    if (c.exitCode == 0) {
        EXPECT_TRUE(listed.out.contains("2012 年度报告")) << listed.out.constData();
        // The renewed session is kept: the next run needs no sign-in either.
        forgetTraffic();
        EXPECT_EQ(run(c.arguments, std::nullopt).exitCode, 0);
        EXPECT_EQ(signIns(), 0);
    } else {
        EXPECT_EQ(QString::fromUtf8(listed.err),
                  QStringLiteral("zorbel-extract: the session for demo has ended: run "
                                 "zorbel-extract login --account=demo\n"));
    }
}

const QStringList ListAll{"ls", "--quiet", "--recursive", "/我的文档"};
const QStringList ListWithSha1s{"ls", "--quiet", "--sha1", "--recursive", "/我的文档"};

INSTANTIATE_TEST_SUITE_P(
    Cases, EndedSessionTest,
    ::testing::Values(
        EndedCase{"ListingWithPassword", DemoService::Endpoint::Files, ListAll, true, 0, 1},
        EndedCase{"ListingWithoutPassword", DemoService::Endpoint::Files, ListAll, false, 1, 0},
        EndedCase{"PageWithPassword", DemoService::Endpoint::DownloadPage, ListWithSha1s, true, 0,
                  1},
        EndedCase{"PageWithoutPassword", DemoService::Endpoint::DownloadPage, ListWithSha1s, false,
                  1, 0}),
    CaseName());

// "记住密码" ticked keeps the password of a successful login; unticked removes it.
TEST_F(KeyringTest, WindowTickKeepsAndRemovesThePassword)
{
    frmTest window;
    auto* remember = window.findChild<QAction*>(QStringLiteral("CheckRememberPassword"));
    ASSERT_TRUE(remember->isEnabled());
    window.findChild<QLineEdit*>(QStringLiteral("user"))->setText(Account);
    window.findChild<QLineEdit*>(QStringLiteral("pass"))->setText(Password);
    auto* login = window.findChild<QPushButton*>(QStringLiteral("Command11"));

    remember->setChecked(true);
    login->click();
    EXPECT_EQ(stored(SecretKind::Password), Password);
    EXPECT_EQ(stored(SecretKind::SessionCookie), SessionCookie());

    remember->setChecked(false);
    login->click();
    EXPECT_EQ(stored(SecretKind::Password), QStringLiteral("(none)"));
}

// After the command line and the window have signed in and kept what they keep, no file in
// the settings, cache or data folders (the keyring daemon's own included) holds the password
// or the session cookie.
TEST_F(KeyringTest, NoFileHoldsThePasswordOrTheCookie)
{
    ASSERT_EQ(run({"login", "--save-password"}, Password).exitCode, 0);
    ASSERT_EQ(run({"ls", "--quiet"}, std::nullopt).exitCode, 0);
    {
        frmTest window;
        WindowMemory memory(window);
        window.findChild<QLineEdit*>(QStringLiteral("user"))->setText(Account);
        window.findChild<QLineEdit*>(QStringLiteral("pass"))->setText(Password);
        window.findChild<QAction*>(QStringLiteral("CheckRememberPassword"))->setChecked(true);
        window.findChild<QPushButton*>(QStringLiteral("Command11"))->click();
        memory.save();
        ASSERT_TRUE(QFile::exists(memory.settingsFile()));
    }
    const QString cookie = stored(SecretKind::SessionCookie);
    ASSERT_TRUE(cookie.startsWith(QStringLiteral("OOFA="))) << cookie.toStdString();
    const QByteArray cookieValue = cookie.mid(5).toUtf8();

    QStringList folders;
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "ZORBEL_TEST_KEYRING_HOME"})
        folders.append(qEnvironmentVariable(variable));
    int filesRead = 0;
    for (const QString& folder : folders) {
        QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = file.readAll();
            ++filesRead;
            EXPECT_FALSE(bytes.contains(Password.toUtf8())) << file.fileName().toStdString();
            EXPECT_FALSE(bytes.contains(cookieValue)) << file.fileName().toStdString();
        }
    }
    EXPECT_GE(filesRead, 2) << "the settings file and the keyring's own at least";
}

} // namespace
