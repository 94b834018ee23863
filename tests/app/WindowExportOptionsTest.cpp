#include "CaseName.h"
#include "DemoDriveIds.h"
#include "WindowFixture.h"
#include "app/ExportOptionsDialog.h"
#include "text/GbkText.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class WindowExportOptionsTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        previousFolder = QDir::currentPath();
        QDir::setCurrent(workingFolder.path());
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }

    QAction& optionsAction() const { return control<QAction>("CommandExportOptions"); }

    /** Chooses "导出选项…" and returns the dialog it opened. */
    ExportOptionsDialog& openOptions()
    {
        optionsAction().trigger();
        for (ExportOptionsDialog* dialog : window->findChildren<ExportOptionsDialog*>()) {
            if (dialog->isVisible())
                return *dialog;
        }
        qFatal("no export options dialog");
    }

    static QLineEdit& field(const ExportOptionsDialog& dialog, const char* name)
    {
        return *dialog.findChild<QLineEdit*>(QLatin1String(name));
    }
    static QString problem(const ExportOptionsDialog& dialog, const char* name)
    {
        return dialog.findChild<QLabel*>(QLatin1String(name) + QStringLiteral("Problem"))->text();
    }
    static QPushButton& okButton(const ExportOptionsDialog& dialog)
    {
        return *dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    }

    QTemporaryDir workingFolder;
    QString previousFolder;
};

// The menu bar lies above the client area: every control keeps its place in the client area,
// which keeps its size, and "导出选中文件" stays as it is.
TEST_F(WindowExportOptionsTest, MenuBarLiesAboveTheClientArea)
{
    showLaidOut();
    const auto* bar = window->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->actions().contains(&optionsAction()));
    EXPECT_EQ(optionsAction().text(), QStringLiteral("导出选项…"));
    EXPECT_EQ(clientArea().geometry(), QRect(0, bar->height(), 928, 607));
    EXPECT_EQ(window->size(), QSize(928, 607 + bar->height()));
    EXPECT_EQ(control<QWidget>("user").mapTo(window.get(), QPoint()),
              QPoint(40, 8 + bar->height()));
    EXPECT_EQ(control<QWidget>("Command16").geometry(), QRect(368, 8, 89, 17));
    EXPECT_EQ(control<QPushButton>("Command16").text(), QStringLiteral("导出选中文件"));
}

struct InvalidValueCase
{
    const char* name;
    const char* field;
    const char* value;
    const char* problemField; // where the reason shows
    const char* reason;       // part of it, naming the value
};

class InvalidValueTest : public WindowExportOptionsTest,
                         public ::testing::WithParamInterface<InvalidValueCase>
{
};

TEST_P(InvalidValueTest, IsRefusedWithTheReasonBesideItsField)
{
    ExportOptionsDialog& dialog = openOptions();
    EXPECT_EQ(field(dialog, "ExportFolder").text(), QDir::currentPath()) << "the working folder";
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("KeepGoing")->isChecked());
    EXPECT_EQ(dialog.findChild<QCheckBox*>("KeepGoing")->text(),
              QStringLiteral("跳过无法获取的文件"));
    ASSERT_TRUE(okButton(dialog).isEnabled());

    if (QLatin1String(GetParam().problemField) == QLatin1String("MaxSize"))
        field(dialog, "MinSize").setText("2G");
    field(dialog, GetParam().field).setText(QString::fromUtf8(GetParam().value));
    EXPECT_TRUE(
        problem(dialog, GetParam().problemField).contains(QString::fromUtf8(GetParam().reason)))
        << problem(dialog, GetParam().problemField).toStdString();
    EXPECT_FALSE(okButton(dialog).isEnabled());

    field(dialog, GetParam().field)
        .setText(GetParam().field == QLatin1String("ExportFolder") ? QDir::currentPath()
                                                                   : QString());
    EXPECT_TRUE(problem(dialog, GetParam().problemField).isEmpty());
    EXPECT_TRUE(okButton(dialog).isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, InvalidValueTest,
    ::testing::Values(InvalidValueCase{"UnclosedClass", "IncludePatterns", "*.mkv; 年[度",
                                       "IncludePatterns", "“年[度”中的 [ 缺少对应的 ]"},
                      InvalidValueCase{"EmptyPattern", "ExcludePatterns", "临时/; /",
                                       "ExcludePatterns", "“/”"},
                      InvalidValueCase{"UnknownUnit", "MinSize", "12Q", "MinSize", "“12Q”不是大小"},
                      InvalidValueCase{"NegativeSize", "MaxSize", "-5", "MaxSize", "“-5”不是大小"},
                      InvalidValueCase{"MaxBelowMin", "MaxSize", "1G", "MaxSize", "小于最小值 2G"},
                      InvalidValueCase{"MissingFolder", "ExportFolder", "/no/such/folder",
                                       "ExportFolder", "文件夹不存在"}),
    CaseName());

// Accepted options show on the action, come back in the dialog, and steer the folder export:
// only the files kept are fetched and written, into the export folder.
TEST_F(WindowExportOptionsTest, FilterShowsOnTheActionAndSteersTheFolderExport)
{
    QTemporaryDir exportFolder;
    ExportOptionsDialog& dialog = openOptions();
    field(dialog, "IncludePatterns").setText("*.mkv; *.AVI");
    field(dialog, "ExcludePatterns").setText("titanic*");
    field(dialog, "MinSize").setText("1G");
    field(dialog, "ExportFolder").setText(exportFolder.path());
    dialog.findChild<QCheckBox*>("KeepGoing")->setChecked(true);
    okButton(dialog).click();

    EXPECT_EQ(optionsAction().text(), QStringLiteral("导出选项（已筛选）…"));
    EXPECT_EQ(optionsAction().toolTip(),
              QStringLiteral("已筛选：只导出 *.mkv; *.AVI；不导出 titanic*；至少 1G"));
    ExportOptionsDialog& again = openOptions();
    EXPECT_EQ(field(again, "IncludePatterns").text(), QStringLiteral("*.mkv; *.AVI"));
    EXPECT_EQ(field(again, "ExportFolder").text(), exportFolder.path());
    EXPECT_TRUE(again.findChild<QCheckBox*>("KeepGoing")->isChecked());
    again.reject();

    logInAsDemo();
    enterFolder(QString::fromUtf8(DemoDriveIds::MoviesName));
    forgetTraffic();
    control<QPushButton>("CommandFolderExport").click();

    EXPECT_EQ(downloadTargets().size(), 3);
    EXPECT_TRUE(QDir(workingFolder.path()).entryList(QDir::Files).isEmpty());
    QFile plain(QDir(exportFolder.path()).filePath("demo.txt"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    const QByteArray written = plain.readAll();
    for (const char* kept : {"肖申克的救赎.mkv", "The Matrix.MKV", "阿甘正传.AVI"})
        EXPECT_TRUE(written.contains(EncodeGbkText(QString::fromUtf8(kept)))) << kept;
    for (const char* left : {"Titanic.avi", "霸王别姬.rmvb"})
        EXPECT_FALSE(written.contains(EncodeGbkText(QString::fromUtf8(left)))) << left;
}

} // namespace
