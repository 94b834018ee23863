#include "CaseName.h"
#include "DemoDrive.h"
#include "DemoServiceFixture.h"
#include "ProgramRun.h"
#include "browser/Login.h"
#include "export/FolderExport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <signal.h>

using namespace std::chrono_literals;

namespace {

const QString Password = QStringLiteral("zorbel-demo");
const QStringList ExportFiles = {QStringLiteral("demo.txt"), QStringLiteral("demo[贴吧+IE] .txt"),
                                 QStringLiteral("demo[贴吧+Chrome] .txt")};

using Entry = QMap<QString, QString>; // field name to text, as a TSV line or a JSON object gives it

/** Every entry below the folder `cid` of the sample drive, with the fields ls writes. */
void addDriveEntries(const QString& cid, const QString& prefix, QList<Entry>& entries)
{
    const DemoDrive& drive = DemoDrive::sample();
    for (const DemoFile* file : drive.filesIn(cid)) {
        entries.append({{"path", prefix + file->name},
                        {"size", QString::number(file->size)},
                        {"pick_code", file->pickCode},
                        {"shared", file->shared ? "yes" : "no"},
                        {"sha1", file->sha1}});
    }
    for (const DemoFolder* folder : drive.subfoldersOf(cid)) {
        entries.append({{"path", prefix + folder->name + '/'},
                        {"size", ""},
                        {"pick_code", ""},
                        {"shared", folder->shared ? "yes" : "no"},
                        {"sha1", ""}});
        addDriveEntries(folder->cid, prefix + folder->name + '/', entries);
    }
}

QList<Entry> parseTsv(const QByteArray& text)
{
    QStringList lines = QString::fromUtf8(text).split('\n');
    EXPECT_EQ(lines.takeLast(), QString()) << "the last line ends";
    const QStringList header = lines.takeFirst().split('\t');
    QList<Entry> entries;
    for (const QString& line : lines) {
        const QStringList fields = line.split('\t');
        EXPECT_EQ(fields.size(), header.size()) << line.toStdString();
        Entry entry;
        for (qsizetype i = 0; i < header.size(); ++i)
            entry.insert(header[i], fields.value(i));
        entries.append(entry);
    }
    return entries;
}

QList<Entry> parseJson(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    QList<Entry> entries;
    for (const QJsonValue& value : document.array()) {
        Entry entry;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QJsonValue field = it.value();
            entry.insert(it.key(), field.isBool()     ? QString(field.toBool() ? "yes" : "no")
                                   : field.isDouble() ? QString::number(field.toInteger())
                                                      : field.toString());
        }
        entries.append(entry);
    }
    return entries;
}

// The fields the drive knows, in a stable order, to compare a listing with the drive.
QStringList driveView(const QList<Entry>& entries)
{
    QStringList lines;
    for (const Entry& entry : entries) {
        lines.append(QStringList{entry["path"], entry["size"], entry["pick_code"], entry["shared"],
                                 entry["sha1"]}
                         .join('|'));
    }
    lines.sort();
    return lines;
}

class ProgramOutputTest : public DemoServiceFixture
{
protected:
    QStringList command(QStringList arguments) const
    {
        arguments << "--account=demo"
                  << "--service=" + service.baseUrl();
        return arguments;
    }

    QTemporaryDir folder;
};

// A nested folder listed as TSV and as JSON: both read back to the same entries in the same
// (walk) order, and to exactly the drive's, SHA1s included.
TEST_F(ProgramOutputTest, ListsANestedFolderAsTsvAndJson)
{
    const ProgramRun tsv =
        RunProgram(command({"ls", "/我的文档", "--recursive", "--sha1"}), Password);
    const ProgramRun json = RunProgram(
        command({"ls", "cid:1001", "--recursive", "--sha1", "--format=json", "--quiet"}), Password);
    ASSERT_EQ(tsv.exitCode, 0) << tsv.err.constData();
    ASSERT_EQ(json.exitCode, 0) << json.err.constData();

    const QList<Entry> fromTsv = parseTsv(tsv.out);
    QList<Entry> expected;
    addDriveEntries(QString::fromLatin1(DemoDriveIds::Documents), QString(), expected);
    EXPECT_EQ(driveView(fromTsv), driveView(expected));
    EXPECT_EQ(parseJson(json.out), fromTsv);
    // One progress for the whole run, which ends with the root's page that found the path, four
    // listing pages and eight download pages (a slow run shows more lines, never one going back).
    const QStringList lines = QString::fromUtf8(tsv.err).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().contains(QRegularExpression(
        QStringLiteral("^zorbel-extract: folders 4, files 8, pages 13 / 13, [0-9.]+ s$"))))
        << tsv.err.constData();
    int pagesShown = 0;
    for (const QString& line : lines) {
        const int pages = line.section(QStringLiteral("pages "), 1).section(u' ', 0, 0).toInt();
        EXPECT_GE(pages, pagesShown) << tsv.err.constData();
        pagesShown = pages;
    }
    EXPECT_TRUE(json.err.isEmpty()) << json.err.constData();
}

// Without --sha1 no download page is asked for and the column is left out.
TEST_F(ProgramOutputTest, ListsWithoutSha1sFetchingNoDownloadPage)
{
    const ProgramRun run = RunProgram(command({"ls", "/电影", "--sort=name-asc"}), Password);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QList<Entry> entries = parseTsv(run.out);
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_FALSE(entries.first().contains("sha1"));
    EXPECT_TRUE(downloadTargets().isEmpty());
    EXPECT_TRUE(listingTargets().last().contains("&o=file_name&asc=1&"));
}

// The command's export and the window's folder export of the same folder write the same bytes.
TEST_F(ProgramOutputTest, ExportWritesWhatTheWindowsFolderExportWrites)
{
    const QString cliFolder = folder.filePath("cli");
    const ProgramRun run =
        RunProgram(command({"export", "/我的文档", "--recursive", "--out=" + cliFolder}), Password);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();

    ASSERT_EQ(SignIn(DemoService::account(), Password), LoginOutcome::SignedIn);
    const QString windowFolder = folder.filePath("window");
    ASSERT_TRUE(QDir().mkpath(windowFolder));
    const QString ownFolder = QDir::currentPath();
    QDir::setCurrent(windowFolder);
    WalkScope scope;
    scope.query.folderId = QString::fromLatin1(DemoDriveIds::Documents);
    scope.includeSubfolders = true;
    Sha1Cache sha1s;
    const ExportOutcome outcome = ExportFolder(scope, DemoService::account(), sha1s, nullptr);
    QDir::setCurrent(ownFolder);
    ASSERT_EQ(outcome, ExportOutcome::Written);

    for (const QString& name : ExportFiles) {
        QFile fromCli(QDir(cliFolder).filePath(name));
        QFile fromWindow(QDir(windowFolder).filePath(name));
        ASSERT_TRUE(fromCli.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(fromWindow.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(fromCli.readAll(), fromWindow.readAll()) << name.toStdString();
    }
}

struct InterruptCase
{
    const char* name;
    QStringList arguments;
    DemoService::Endpoint slowEndpoint;
};

class ProgramInterruptTest : public ProgramOutputTest,
                             public ::testing::WithParamInterface<InterruptCase>
{
};

// Ctrl+C while the service is slow to answer (the sign-in, or download pages): the command
// stops at once with 130, says so, and writes nothing, neither a listing nor an export file, nor
// leaves the --out folders it made.
TEST_P(ProgramInterruptTest, CtrlCStopsAndWritesNothing)
{
    DemoService::Fault slow;
    slow.delay = 3s;
    service.setFault(GetParam().slowEndpoint, slow);
    QProcess process;
    StartProgram(process, command(GetParam().arguments), ProgramEnvironment(Password),
                 folder.path());
    const auto slowRequests = [this] { return service.requestTargets({GetParam().slowEndpoint}); };
    for (int waited = 0; slowRequests().isEmpty() && waited < 200; ++waited)
        QThread::msleep(50);
    ASSERT_FALSE(slowRequests().isEmpty()) << "the slow request was sent";

    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(2000)) << "stops before the pages come";
    const ProgramRun run = EndOf(process);

    EXPECT_EQ(run.exitCode, 130);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();
    EXPECT_TRUE(run.err.endsWith("zorbel-extract: interrupted; nothing was written\n"))
        << run.err.constData();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());
}

INSTANTIATE_TEST_SUITE_P(Commands, ProgramInterruptTest,
                         ::testing::Values(InterruptCase{"SignIn",
                                                         {"export", "/电影", "--out=made/deeper"},
                                                         DemoService::Endpoint::Login},
                                           InterruptCase{"List",
                                                         {"ls", "/电影", "--sha1", "--quiet"},
                                                         DemoService::Endpoint::DownloadPage},
                                           InterruptCase{
                                               "Export",
                                               {"export", "/电影", "--quiet", "--out=made/deeper"},
                                               DemoService::Endpoint::DownloadPage}),
                         CaseName());

} // namespace
