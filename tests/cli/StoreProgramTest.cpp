#include "DemoDrive.h"
#include "DemoDriveIds.h"
#include "DemoServiceFixture.h"
#include "ProgramRun.h"
#include "store/Sha1Store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <sqlite3.h>

using namespace std::chrono_literals;

namespace {

const QString Password = QStringLiteral("zorbel-demo");
const QStringList ExportFiles = {QStringLiteral("demo.txt"), QStringLiteral("demo[贴吧+IE] .txt"),
                                 QStringLiteral("demo[贴吧+Chrome] .txt")};

QByteArray filesOf(const QString& folder)
{
    QByteArray all;
    for (const QString& name : ExportFiles) {
        QFile file(QDir(folder).filePath(name));
        all += file.open(QIODevice::ReadOnly) ? file.readAll()
                                              : QByteArray("missing ") + name.toUtf8();
        all += '\0';
    }
    return all;
}

// One value of a query on the store file, read beside the program.
QString storeQuery(const char* sql)
{
    sqlite3* db = nullptr;
    QString value;
    if (sqlite3_open_v2(QFile::encodeName(Sha1StorePath()).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            value =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return value;
}

class StoreProgramTest : public DemoServiceFixture
{
protected:
    QStringList exportCommand(const QString& name, const QString& folder,
                              QStringList more = {}) const
    {
        return QStringList{"export",
                           folder,
                           "--recursive",
                           "--account=demo",
                           "--service=" + service.baseUrl(),
                           "--out=" + out.filePath(name)} +
               more;
    }

    /** Starts an export into the folder `name`; with `ownCache` its store is one of its own. */
    void startExport(QProcess& process, const QString& name, const QString& folder,
                     bool ownCache = false, const QStringList& more = {})
    {
        QProcessEnvironment environment = ProgramEnvironment(Password);
        if (ownCache)
            environment.insert("XDG_CACHE_HOME", out.filePath(name + "-cache"));
        StartProgram(process, exportCommand(name, folder, more), environment);
    }

    ProgramRun runExport(const QString& name, const QString& folder, bool ownCache = false,
                         const QStringList& more = {})
    {
        QProcess process;
        startExport(process, name, folder, ownCache, more);
        return EndOf(process);
    }

    int downloadPagesSince(int& seen) const
    {
        const int all = int(downloadTargets().size());
        return all - std::exchange(seen, all);
    }

    QTemporaryDir out;
};

// A second export in a new process takes every SHA1 from the store; --refresh fetches every page
// again. All three write the same bytes.
TEST_F(StoreProgramTest, SecondExportFetchesNoPageAndRefreshFetchesAll)
{
    int seen = 0;
    const ProgramRun first = runExport("first", "/我的文档");
    ASSERT_EQ(first.exitCode, 0) << first.err.constData();
    EXPECT_EQ(downloadPagesSince(seen), 8);
    EXPECT_TRUE(
        first.err.contains("zorbel-extract: wrote 8 rows to each of the three export files in " +
                           QDir::toNativeSeparators(out.filePath("first")).toUtf8() + "\n"))
        << first.err.constData();

    const ProgramRun second = runExport("second", "/我的文档");
    ASSERT_EQ(second.exitCode, 0) << second.err.constData();
    EXPECT_EQ(downloadPagesSince(seen), 0);

    const ProgramRun refreshed = runExport("refreshed", "/我的文档", false, {"--refresh"});
    ASSERT_EQ(refreshed.exitCode, 0) << refreshed.err.constData();
    EXPECT_EQ(downloadPagesSince(seen), 8);

    EXPECT_EQ(filesOf(out.filePath("second")), filesOf(out.filePath("first")));
    EXPECT_EQ(filesOf(out.filePath("refreshed")), filesOf(out.filePath("first")));
    EXPECT_EQ(storeQuery("PRAGMA integrity_check"), "ok");
}

// Two exports at once on one empty store both finish and write what a lone export writes.
TEST_F(StoreProgramTest, TwoExportsAtOnceShareTheStore)
{
    QProcess a;
    QProcess b;
    startExport(a, "a", "/");
    startExport(b, "b", "/");
    const ProgramRun endA = EndOf(a);
    const ProgramRun endB = EndOf(b);
    ASSERT_EQ(endA.exitCode, 0) << endA.err.constData();
    ASSERT_EQ(endB.exitCode, 0) << endB.err.constData();
    EXPECT_FALSE(endA.err.contains("The SHA1 store")) << endA.err.constData();
    EXPECT_FALSE(endB.err.contains("The SHA1 store")) << endB.err.constData();

    const ProgramRun lone = runExport("lone", "/", true);
    ASSERT_EQ(lone.exitCode, 0) << lone.err.constData();
    EXPECT_EQ(filesOf(out.filePath("a")), filesOf(out.filePath("lone")));
    EXPECT_EQ(filesOf(out.filePath("b")), filesOf(out.filePath("lone")));
    EXPECT_EQ(storeQuery("PRAGMA integrity_check"), "ok");
}

// An export killed midway leaves a sound store holding what it committed; the next run fetches
// only the rest and writes what a lone export writes.
TEST_F(StoreProgramTest, KilledExportResumes)
{
    DemoService::Fault slow;
    slow.delay = 30ms;
    service.setFault(DemoService::Endpoint::DownloadPage, slow);
    QProcess killed;
    startExport(killed, "killed", "cid:" + QString(DemoDriveIds::Photos), false, {"--parallel=1"});
    int seen = 0;
    for (int waited = 0; downloadTargets().size() < 60 && waited < 400; ++waited)
        QThread::msleep(25);
    killed.kill(); // SIGKILL
    EndOf(killed);
    downloadPagesSince(seen);
    EXPECT_FALSE(QFile::exists(out.filePath("killed/demo.txt")));

    EXPECT_EQ(storeQuery("PRAGMA integrity_check"), "ok");
    const int stored = storeQuery("SELECT count(*) FROM sha1s").toInt();
    EXPECT_GT(stored, 0);
    EXPECT_LT(stored, DemoDriveIds::PhotosEntryCount);

    service.clearFaults();
    const ProgramRun resumed = runExport("resumed", "cid:" + QString(DemoDriveIds::Photos));
    ASSERT_EQ(resumed.exitCode, 0) << resumed.err.constData();
    EXPECT_EQ(downloadPagesSince(seen), DemoDriveIds::PhotosEntryCount - stored);
    const ProgramRun lone = runExport("lone", "cid:" + QString(DemoDriveIds::Photos), true);
    EXPECT_EQ(filesOf(out.filePath("resumed")), filesOf(out.filePath("lone")));
}

// A store file full of garbage gives one warning; the export writes what it writes without it.
TEST_F(StoreProgramTest, CorruptStoreWarnsAndTheExportWritesTheSameFiles)
{
    QDir().mkpath(QFileInfo(Sha1StorePath()).path());
    QFile garbage(Sha1StorePath());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(8192, '\x7f'));
    garbage.close();

    const ProgramRun run = runExport("corrupt", "/我的文档");
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.err.count("zorbel-extract: the SHA1 store"), 1) << run.err.constData();
    const ProgramRun lone = runExport("lone", "/我的文档", true);
    EXPECT_EQ(filesOf(out.filePath("corrupt")), filesOf(out.filePath("lone")));
}

struct KeepGoingCase
{
    const char* name;
    DemoService::Endpoint endpoint;
    QByteArray targetContains;
    QString skippedPath;
    int rowsLeft; // of the 8 files below 我的文档
};

class KeepGoingTest : public StoreProgramTest, public ::testing::WithParamInterface<KeepGoingCase>
{
};

// A page that keeps failing: with --keep-going the rest is written, the path named, exit 3;
// without it nothing is written and the exit is 1.
TEST_P(KeepGoingTest, SkipsWhatFailsAndWritesTheRest)
{
    DemoService::Fault broken;
    broken.status = 404;
    broken.targetContains = GetParam().targetContains;
    service.setFault(GetParam().endpoint, broken);

    const ProgramRun kept = runExport("kept", "/我的文档", false, {"--keep-going"});
    EXPECT_EQ(kept.exitCode, 3) << kept.err.constData();
    EXPECT_TRUE(
        kept.err.contains("zorbel-extract: skipped " + GetParam().skippedPath.toUtf8() + ": "))
        << kept.err.constData();
    EXPECT_TRUE(kept.err.contains(QString("wrote %1 rows").arg(GetParam().rowsLeft).toUtf8()))
        << kept.err.constData();

    const ProgramRun listed =
        RunProgram({"ls", "/我的文档", "--recursive", "--sha1", "--keep-going", "--account=demo",
                    "--service=" + service.baseUrl()},
                   Password);
    EXPECT_EQ(listed.exitCode, 3) << listed.err.constData();
    EXPECT_TRUE(listed.err.contains("zorbel-extract: skipped " + GetParam().skippedPath.toUtf8()));

    const ProgramRun stopped = runExport("stopped", "/我的文档");
    EXPECT_EQ(stopped.exitCode, 1) << stopped.err.constData();
    EXPECT_FALSE(QFile::exists(out.filePath("stopped/demo.txt")));
}

const DemoFile& firstWorkFile()
{
    return *DemoDrive::sample().filesIn(DemoDriveIds::Work).first();
}

INSTANTIATE_TEST_SUITE_P(
    Failing, KeepGoingTest,
    ::testing::Values(KeepGoingCase{"DownloadPage", DemoService::Endpoint::DownloadPage,
                                    "pickcode=" + firstWorkFile().pickCode.toUtf8() + "&",
                                    "工作/" + firstWorkFile().name, 7},
                      KeepGoingCase{
                          "FolderListing", DemoService::Endpoint::Files,
                          QByteArray("cid=") + DemoDriveIds::Report + "&",
                          "工作/" + QString(DemoDriveIds::ReportName) + "/",
                          8 - int(DemoDrive::sample().filesIn(DemoDriveIds::Report).size())}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
