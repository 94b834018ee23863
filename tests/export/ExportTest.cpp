#include "CaseName.h"
#include "ExportTestSupport.h"
#include "export/AccountFileName.h"
#include "export/LinkResolution.h"
#include "export/TickedRowsExport.h"
#include "service/endpoints.h"
#include "text/GbkText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

const QString Account = QStringLiteral("tester");
const QString PlainFile = QStringLiteral("tester.txt");
const QString IeFile = QStringLiteral("tester[贴吧+IE] .txt");
const QString ChromeFile = QStringLiteral("tester[贴吧+Chrome] .txt");

const QByteArray CrLf = "\r\n";
const QByteArray ForumSeparatorBytes = QByteArray::fromHex("a1a1a1a1a1a1");

const QString Sha1 = QStringLiteral("0123456789ABCDEF0123456789ABCDEF01234567");

// A resolved row "中文.txt" of 1536 bytes: exporting it sends no request.
QStringList ResolvedRow(const QString& name, const QString& pickCode)
{
    return {name,
            QStringLiteral("1.50K"),
            pickCode,
            QStringLiteral("2013-01-15 09:30"),
            Sha1 + QStringLiteral("#1536#") + name,
            QStringLiteral("1"),
            QStringLiteral("否")};
}

// The resolved row's bytes: name, size text and pick code separated by `separator`, then the
// line breaks `afterNameLine`, then the standard form.
QByteArray ResolvedRowLines(const QByteArray& separator, const QByteArray& afterNameLine)
{
    const QByteArray name = QByteArray::fromHex("d6d0cec4") + ".txt"; // 中文.txt
    return name + separator + "1.50K" + separator + "abc123" + afterNameLine + Sha1.toLatin1() +
           "#1536#" + name;
}

class ExportTest : public SignedInTest
{
protected:
    ExportOutcome exportRows(ExportProgress* progress = nullptr)
    {
        return ExportTickedRows(rows, Account, progress);
    }
    int appendTicked(const QStringList& columns)
    {
        rows.appendRow(columns);
        rows.setTicked(rows.rowCount() - 1, true);
        return rows.rowCount() - 1;
    }
    int appendTickedFile(const char* fid)
    {
        const int row = appendFile(fid);
        rows.setTicked(row, true);
        return row;
    }
    // The plain section of `exported`, the rows' texts in GBK.
    QByteArray plainSectionOf(const QList<int>& exported) const
    {
        QString rowBlocks;
        for (int row : exported) {
            rowBlocks += rows.text(row, Column::Name) + "    " + rows.text(row, Column::Size) +
                         "    " + rows.text(row, Column::PickCode) + "\r\n" +
                         rows.text(row, Column::StandardForm) + "\r\n\r\n";
        }
        return HeaderLineBytes() + CrLf + EncodeGbkText(rowBlocks) + CrLf;
    }

    WorkingFolder folder;
};

struct LayoutCase
{
    const char* name;
    QString fileName;
    QByteArray withoutRows;
    QByteArray withOneRow;
};

class ExportLayoutTest : public ExportTest, public ::testing::WithParamInterface<LayoutCase>
{
};

TEST_P(ExportLayoutTest, ResolvedRowIsWrittenWithoutARequest)
{
    appendTicked(ResolvedRow(QStringLiteral("中文.txt"), QStringLiteral("abc123")));
    EXPECT_EQ(exportRows(), ExportOutcome::Written);
    EXPECT_EQ(FileBytes(GetParam().fileName), GetParam().withOneRow);
    EXPECT_TRUE(service.requests().isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_P(ExportLayoutTest, NoTickedRowGivesTheHeaderBlockAndTheClosingLineBreak)
{
    rows.appendRow(ResolvedRow(QStringLiteral("中文.txt"), QStringLiteral("abc123")));
    EXPECT_EQ(exportRows(), ExportOutcome::Written);
    EXPECT_EQ(FileBytes(GetParam().fileName), GetParam().withoutRows);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ExportLayoutTest,
    ::testing::Values(
        LayoutCase{"Plain", PlainFile, HeaderLineBytes() + CrLf + CrLf,
                   HeaderLineBytes() + CrLf + ResolvedRowLines("    ", CrLf) + CrLf + CrLf + CrLf},
        LayoutCase{"ForumIe", IeFile, HeaderLineBytes() + CrLf + CrLf,
                   HeaderLineBytes() + CrLf + ResolvedRowLines(ForumSeparatorBytes, CrLf) + CrLf +
                       " " + CrLf + CrLf},
        LayoutCase{"ForumChrome", ChromeFile, HeaderLineBytes() + CrLf + CrLf + CrLf,
                   HeaderLineBytes() + CrLf + CrLf +
                       ResolvedRowLines(ForumSeparatorBytes, CrLf + CrLf) + CrLf + CrLf + CrLf +
                       CrLf}),
    CaseName());

TEST_F(ExportTest, EmptyAccountDoesNothing)
{
    appendTickedFile(DemoDriveIds::UnicomFirstFile);
    EXPECT_EQ(ExportTickedRows(rows, QString()), ExportOutcome::NoAccount);
    EXPECT_TRUE(service.requests().isEmpty());
    EXPECT_TRUE(folder.entries().isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(ExportTest, OnlyTickedFileRowsInListOrder)
{
    const int first = appendTicked(ResolvedRow(QStringLiteral("a.txt"), QStringLiteral("pc1")));
    const int folderRow = appendFolder(QStringLiteral("文件夹"));
    rows.setTicked(folderRow, true);
    const int selected = rows.rowCount();
    rows.appendRow(ResolvedRow(QStringLiteral("selected.txt"), QStringLiteral("pc2")));
    rows.selectRow(selected);
    const int last = appendTicked(ResolvedRow(QStringLiteral("b.txt"), QStringLiteral("pc3")));
    rows.setTicked(last, false); // ticked in the order last, first
    rows.setTicked(last, true);

    EXPECT_EQ(exportRows(), ExportOutcome::Written);
    EXPECT_EQ(FileBytes(PlainFile), plainSectionOf({first, last}));
}

TEST_F(ExportTest, UnresolvedRowsAreResolvedFirstAndWrittenWithTheirSha1)
{
    const int unicomFirst = appendTickedFile(DemoDriveIds::UnicomFirstFile);
    const int resolved = appendTicked(ResolvedRow(QStringLiteral("a.txt"), QStringLiteral("pc1")));
    const int lowerCase = appendTickedFile(DemoDriveIds::LowerCaseSha1File);

    EXPECT_EQ(exportRows(), ExportOutcome::Written);

    EXPECT_EQ(downloadTargets().size(), 2);
    for (const auto& [row, fid] : {std::pair{unicomFirst, DemoDriveIds::UnicomFirstFile},
                                   std::pair{lowerCase, DemoDriveIds::LowerCaseSha1File}}) {
        EXPECT_TRUE(rows.text(row, Column::StandardForm).startsWith(DemoFileWithId(fid).sha1));
        EXPECT_EQ(rows.textColour(row, Column::StandardForm), QColor(0, 0, 255));
    }
    EXPECT_EQ(FileBytes(PlainFile), plainSectionOf({unicomFirst, resolved, lowerCase}));
}

TEST_F(ExportTest, RowWhosePageHasNoSha1IsWrittenUnresolved)
{
    const int row = appendTickedFile(DemoDriveIds::NoSha1File);
    const QString unresolved = rows.text(row, Column::StandardForm);

    EXPECT_EQ(exportRows(), ExportOutcome::Written);

    EXPECT_EQ(rows.text(row, Column::StandardForm), unresolved);
    EXPECT_EQ(FileBytes(PlainFile), plainSectionOf({row}));
    for (const QString& file : {IeFile, ChromeFile})
        EXPECT_TRUE(FileBytes(file).contains(EncodeGbkText(unresolved))) << file.toStdString();
}

TEST_F(ExportTest, SecondExportAppendsAndFetchesNothingAgain)
{
    appendTickedFile(DemoDriveIds::TelecomFirstFile);
    ASSERT_EQ(exportRows(), ExportOutcome::Written);
    const QByteArray plain = FileBytes(PlainFile);
    const QByteArray ie = FileBytes(IeFile);
    const QByteArray chrome = FileBytes(ChromeFile);

    EXPECT_EQ(exportRows(), ExportOutcome::Written);

    EXPECT_EQ(downloadTargets().size(), 1);
    EXPECT_EQ(FileBytes(PlainFile), plain + plain);
    EXPECT_EQ(FileBytes(IeFile), ie + ie);
    EXPECT_EQ(FileBytes(ChromeFile), chrome + chrome);
}

TEST_F(ExportTest, FailedFetchesShowOneMessageWriteNothingAndKeepEveryPageFetched)
{
    const auto appendMissing = [this](const QString& pickCode) {
        return appendTicked({QStringLiteral("gone.txt"), QStringLiteral("1B"), pickCode, QString(),
                             QStringLiteral("#1#gone.txt"), QStringLiteral("9"),
                             QStringLiteral("否")});
    };
    const int found = appendTickedFile(DemoDriveIds::UnicomFirstFile);
    const int missing = appendMissing(QStringLiteral("nosuchpickcode"));
    const int after = appendTickedFile(DemoDriveIds::TelecomFirstFile);
    const int missingToo = appendMissing(QStringLiteral("nosuchpickcodeeither"));

    EXPECT_EQ(exportRows(), ExportOutcome::FetchFailed);

    EXPECT_TRUE(folder.entries().isEmpty());
    EXPECT_EQ(downloadTargets().size(), 4);
    EXPECT_EQ(rows.textColour(found, Column::StandardForm), QColor(0, 0, 255));
    // Fetched at the same time as the failing page, so resolved as well.
    EXPECT_EQ(rows.textColour(after, Column::StandardForm), QColor(0, 0, 255));
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("Http错误代码:404"));

    // Once the broken rows are left out, nothing is left to fetch.
    rows.setTicked(missing, false);
    rows.setTicked(missingToo, false);
    EXPECT_EQ(exportRows(), ExportOutcome::Written);
    EXPECT_EQ(downloadTargets().size(), 4);
    EXPECT_EQ(FileBytes(PlainFile), plainSectionOf({found, after}));
}

TEST_F(ExportTest, EmptyPageEndsTheExportWithoutAMessage)
{
    appendTickedFile(DemoDriveIds::UnicomFirstFile);
    service.setFault(DemoService::Endpoint::DownloadPage, {.body = QByteArray()});
    EXPECT_EQ(exportRows(), ExportOutcome::FetchFailed);
    EXPECT_TRUE(folder.entries().isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(ExportTest, NamesOutsideGbkKeepEveryCharacter)
{
    appendTickedFile(DemoDriveIds::EmojiNameFile); // "🎬 周末观影计划.txt"
    appendTickedFile(DemoDriveIds::JapaneseNameFile);

    EXPECT_EQ(exportRows(), ExportOutcome::Written);

    // 🎬 as its GB18030 four-byte sequence, the rest as GBK.
    const QByteArray emojiName = QByteArray::fromHex("9439c130"
                                                     "20"
                                                     "d6dcc4a9b9dbd3b0bcc6bbae") +
                                 ".txt";
    for (const QString& file : {PlainFile, IeFile, ChromeFile}) {
        const QByteArray bytes = FileBytes(file);
        EXPECT_EQ(bytes.count(emojiName), 2) << file.toStdString(); // name line, standard form
        EXPECT_FALSE(bytes.contains('?')) << file.toStdString();
    }
}

TEST_F(ExportTest, FileNamesCarryTheAccountAndTheForumSuffixes)
{
    EXPECT_EQ(exportRows(), ExportOutcome::Written);
    EXPECT_EQ(folder.entries(), QStringList({PlainFile, ChromeFile, IeFile}));
}

struct UnwritableCase
{
    const char* name;
    QString blocked;         // the file that cannot be written
    bool atOpen;             // a folder of that name (else a file that takes no bytes)
    QStringList written;     // the files that did receive the section
    QString writtenSentence; // how the message names them
};

class UnwritableFileTest : public ExportTest, public ::testing::WithParamInterface<UnwritableCase>
{
};

TEST_P(UnwritableFileTest, ReportsTheFileAndTheFilesWrittenAndStops)
{
    const UnwritableCase& param = GetParam();
    if (param.atOpen)
        ASSERT_TRUE(QDir().mkdir(param.blocked));
    else if (!QFile::link(QStringLiteral("/dev/full"), param.blocked))
        GTEST_SKIP() << "no /dev/full here";
    appendTicked(ResolvedRow(QStringLiteral("中文.txt"), QStringLiteral("abc123")));

    EXPECT_EQ(exportRows(), ExportOutcome::WriteFailed);

    ASSERT_EQ(desktop.messages.size(), 1);
    const RecordingDesktop::Message& message = desktop.messages[0];
    EXPECT_EQ(message.title, QStringLiteral("提示"));
    EXPECT_EQ(message.icon, Desktop::Icon::Information);
    const QString path = QDir::toNativeSeparators(QFileInfo(param.blocked).absoluteFilePath());
    EXPECT_TRUE(message.text.startsWith(QStringLiteral("错误原因:") + path + ": "))
        << message.text.toStdString();
    EXPECT_TRUE(message.text.endsWith(QLatin1Char('\n') + param.writtenSentence))
        << message.text.toStdString();
    for (const QString& file : {PlainFile, IeFile, ChromeFile}) {
        if (file == param.blocked)
            continue;
        EXPECT_EQ(QFileInfo::exists(file), param.written.contains(file)) << file.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnwritableFileTest,
    ::testing::Values(
        UnwritableCase{
            "PlainIsAFolder", PlainFile, true, {}, QStringLiteral("本次导出没有写入任何文件。")},
        UnwritableCase{"ForumIeIsAFolder",
                       IeFile,
                       true,
                       {PlainFile},
                       QStringLiteral("本次导出已写入：tester.txt")},
        UnwritableCase{"ForumChromeDeviceIsFull",
                       ChromeFile,
                       false,
                       {PlainFile, IeFile},
                       QStringLiteral("本次导出已写入：tester.txt、tester[贴吧+IE] .txt")}),
    CaseName());

// Lets files of the process grow to `bytes` at most; a write beyond is cut short.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

TEST_F(ExportTest, WriteCutShortLeavesNoPartOfTheSection)
{
    appendTicked(ResolvedRow(QStringLiteral("中文.txt"), QStringLiteral("abc123")));
    ASSERT_EQ(exportRows(), ExportOutcome::Written);
    const QByteArray plain = FileBytes(PlainFile);
    {
        FileSizeLimit limit(rlim_t(plain.size() + 10));
        EXPECT_EQ(exportRows(), ExportOutcome::WriteFailed);
    }
    EXPECT_EQ(FileBytes(PlainFile), plain);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].text.contains(
        QStringLiteral(": 只写入了 10 字节（共 %1 字节）\n本次导出没有写入任何文件。")
            .arg(plain.size())))
        << desktop.messages[0].text.toStdString();
}

struct AccountCase
{
    const char* name;
    QString account;
    bool usable;
};

class AccountTextTest : public ::testing::TestWithParam<AccountCase>
{
};

TEST_P(AccountTextTest, NamesExportFilesOnlyAsAPlainFileName)
{
    EXPECT_EQ(CanNameExportFiles(GetParam().account), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(
    Accounts, AccountTextTest,
    ::testing::Values(AccountCase{"Plain", QStringLiteral("tester"), true},
                      AccountCase{"Chinese", QStringLiteral("张三"), true},
                      AccountCase{"Mail", QStringLiteral("user@example.com"), true},
                      AccountCase{"OneDot", QStringLiteral("a.b"), true},
                      AccountCase{"Space", QStringLiteral("a b"), true},
                      AccountCase{"Emoji", QStringLiteral("😀"), true},
                      AccountCase{"ParentFolder", QStringLiteral("../x"), false},
                      AccountCase{"DotDotAlone", QStringLiteral(".."), false},
                      AccountCase{"DotDotInside", QStringLiteral("a..b"), false},
                      AccountCase{"Slash", QStringLiteral("a/b"), false},
                      AccountCase{"AbsolutePath", QStringLiteral("/tmp/x"), false},
                      AccountCase{"Backslash", QStringLiteral("a\\b"), false},
                      AccountCase{"DriveColon", QStringLiteral("C:x"), false},
                      AccountCase{"Tab", QStringLiteral("a\tb"), false},
                      AccountCase{"LineBreak", QStringLiteral("a\nb"), false},
                      AccountCase{"Delete", QStringLiteral("a\x7f"), false},
                      AccountCase{"NextLine", QStringLiteral("a\u0085b"), false},
                      AccountCase{"Less", QStringLiteral("a<b"), false},
                      AccountCase{"Greater", QStringLiteral("a>b"), false},
                      AccountCase{"Quote", QStringLiteral("a\"b"), false},
                      AccountCase{"Bar", QStringLiteral("a|b"), false},
                      AccountCase{"Question", QStringLiteral("a?b"), false},
                      AccountCase{"Star", QStringLiteral("a*b"), false}),
    CaseName());

TEST_F(ExportTest, UnusableAccountSendsNothingAndWritesNothing)
{
    appendTickedFile(DemoDriveIds::UnicomFirstFile);
    const QString account = QStringLiteral("../escaped");

    EXPECT_EQ(ExportTickedRows(rows, account), ExportOutcome::UnusableAccount);

    EXPECT_TRUE(service.requests().isEmpty());
    EXPECT_TRUE(folder.entries().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("../escaped.txt")));
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].title, QStringLiteral("错误"));
    EXPECT_TRUE(
        desktop.messages[0].text.startsWith(QStringLiteral("账号不能用作导出文件名：") + account));
}

TEST_F(ExportTest, ProgressCountsThePagesToFetch)
{
    appendTickedFile(DemoDriveIds::UnicomFirstFile);
    appendTicked(ResolvedRow(QStringLiteral("a.txt"), QStringLiteral("pc1")));
    appendTickedFile(DemoDriveIds::TelecomFirstFile);
    appendFile(DemoDriveIds::ThreeButtonsFile); // not ticked
    appendTickedFile(DemoDriveIds::NoSha1File);
    RecordingProgress progress;

    EXPECT_EQ(exportRows(&progress), ExportOutcome::Written);

    QList<std::pair<int, int>> pages;
    for (const ExportCounts& counts : progress.reports) {
        EXPECT_EQ(counts.foldersWalked, 0);
        pages.append({counts.pagesFetched, counts.pagesToFetch});
    }
    const QList<std::pair<int, int>> expected = {{0, 3}, {1, 3}, {2, 3}, {3, 3}};
    EXPECT_EQ(pages, expected);
}

TEST_F(ExportTest, OnePageToFetchShowsNoProgress)
{
    appendTickedFile(DemoDriveIds::UnicomFirstFile);
    appendTicked(ResolvedRow(QStringLiteral("a.txt"), QStringLiteral("pc1")));
    RecordingProgress progress;
    EXPECT_EQ(exportRows(&progress), ExportOutcome::Written);
    EXPECT_TRUE(progress.reports.isEmpty());
}

TEST_F(ExportTest, CancelAbortsThePagesInFlightAndWritesNothing)
{
    const QList<int> ticked = {appendTickedFile(DemoDriveIds::UnicomFirstFile),
                               appendTickedFile(DemoDriveIds::TelecomFirstFile),
                               appendTickedFile(DemoDriveIds::ThreeButtonsFile)};
    service.setFault(DemoService::Endpoint::DownloadPage, {.delay = std::chrono::minutes(1)});
    RecordingProgress progress;
    QTimer::singleShot(std::chrono::milliseconds(100), [&] { progress.cancelToken().cancel(); });

    EXPECT_EQ(exportRows(&progress), ExportOutcome::Cancelled);

    EXPECT_EQ(downloadTargets().size(), 3);
    for (const int row : ticked)
        EXPECT_TRUE(IsUnresolved(rows.text(row, Column::StandardForm))) << row;
    EXPECT_TRUE(folder.entries().isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

} // namespace
