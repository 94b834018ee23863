#include "BenchSupport.h"
#include "DelayProxy.h"
#include "DemoDrive.h"
#include "MemoryFileList.h"
#include "ScopedEnvironment.h"
#include "browser/FileBrowser.h"
#include "browser/Login.h"
#include "export/DownloadPage.h"
#include "export/FolderExport.h"
#include "export/LinkResolution.h"
#include "export/PageSearch.h"
#include "export/StoredSha1s.h"
#include "export/TickedRowsExport.h"
#include "platform/HttpTransport.h"
#include "service/endpoints.h"
#include "store/Sha1Store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

// Fetching over an emulated network path: a page turn of the browser, the export of 30
// unresolved ticked rows and the folder export of the large drive, through a loopback proxy
// that delays like a link with the given round trip (RTT), or straight over loopback (RTT 0).
// Each runs the way the program fetches now (connections kept open and reused, listing and
// download pages six at a time in one paced batch) and beside it the sequential fresh-connection
// way: a service that closes every connection after one answer, and one request after another.
// The folder exports run cold (an empty SHA1 store) and then warm (the store the cold one filled,
// opened afresh, and an empty session cache), on the large drive and on a generated drive of
// 20,000 files (times, peak memory, the store's size on disk). Then 200 files from a service that
// answers 429 to all but one request at a time. The counter "RTTs" is the time of one operation
// in round trips. Every path keeps its store in a temporary XDG_CACHE_HOME of its own.

namespace {

using std::chrono::milliseconds;

enum Way
{
    SequentialFresh = 0,
    Reused = 1,
};

const QString Account = QStringLiteral("bench");

/** The demo service serving `drive`, reached through a delaying proxy (none for RTT 0), a
 *  browser signed in to it and an empty SHA1 store in a temporary cache folder. */
struct NetworkPath
{
    NetworkPath(const DemoDrive& drive, Way way, milliseconds roundTrip, bool oneAtATime = false)
        : service(drive), roundTrip(roundTrip)
    {
        if (!cacheFolder.isValid())
            return;
        service.setKeepAlive(way == Reused);
        service.setOneAtATime(oneAtATime);
        if (!service.start())
            return;
        if (roundTrip.count() > 0)
            proxy = std::make_unique<DelayProxy>(service.port(), roundTrip);
        SetServiceBase(proxy ? proxy->baseUrl() : service.baseUrl());
        ready = SignInAndList(DemoService::account(), DemoService::password(), browser) ==
                LoginOutcome::SignedIn;
        QDir::setCurrent(workingFolder.path());
    }

    /** Shows the RTTs of one operation, or the failure that ended the run. */
    void finish(benchmark::State& state, qint64 nanoseconds) const
    {
        if (const QString message = LastMessage(desktop); !message.isEmpty())
            state.SkipWithError(message.toStdString().c_str());
        count(state, "", nanoseconds);
    }

    /** Shows the time of one of the operations that took `nanoseconds` in all as `prefix` "ms"
     *  and, over a delayed path, in round trips as `prefix` "RTTs". */
    void count(benchmark::State& state, const std::string& prefix, qint64 nanoseconds) const
    {
        const double perOperation = double(nanoseconds) / 1e6 / double(state.iterations());
        state.counters[prefix + "ms"] = perOperation;
        if (roundTrip.count() > 0)
            state.counters[prefix + "RTTs"] = perOperation / double(roundTrip.count());
    }

    QTemporaryDir cacheFolder;
    ScopedEnvironment cacheHome{"XDG_CACHE_HOME", cacheFolder.path().toUtf8()};
    RecordingDesktop desktop;
    DemoService service;
    std::unique_ptr<DelayProxy> proxy;
    milliseconds roundTrip;
    MemoryFileList rows;
    FileBrowser browser{rows};
    QTemporaryDir workingFolder;
    bool ready = false;
};

/** The folder of the SHA1 store: its file and what SQLite keeps beside it. */
QDir storeFolder()
{
    return QFileInfo(Sha1StorePath()).dir();
}

/** Starts the SHA1 store afresh: made, but knowing no file, as after exports of other folders. */
void emptyStore()
{
    storeFolder().removeRecursively();
    Sha1Store(Sha1StoreOrigin()).lookUp({StoreKey{QStringLiteral("-"), 0}});
}

bool setUp(benchmark::State& state, const NetworkPath& path)
{
    if (!path.ready)
        state.SkipWithError("the demo service could not be reached");
    return path.ready;
}

void enterPhotos(NetworkPath& path)
{
    for (int row = 0; row < path.rows.rowCount(); ++row) {
        if (path.rows.text(row, Column::Id) == QLatin1String(DemoDriveIds::Photos))
            path.rows.selectRow(row);
    }
    path.browser.EnterFolder();
}

/** Next page, previous page, in turn, in the 95-entry folder. */
void BM_PageTurn(benchmark::State& state)
{
    NetworkPath path(DemoDrive::sample(), Way(state.range(1)), milliseconds(state.range(0)));
    if (!setUp(state, path))
        return;
    enterPhotos(path);
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        if (path.browser.state().offset() == QLatin1String("0"))
            path.browser.NextPage();
        else
            path.browser.PreviousPage();
    }
    path.finish(state, timer.nsecsElapsed());
}

/** The old export: one download page after another, then the three files. */
void exportOneAfterAnother(FileList& list)
{
    for (int row = 0; row < list.rowCount(); ++row) {
        const QString page = FetchDownloadPage(list.text(row, Column::PickCode));
        if (const QString sha1 = FindSha1(page); !sha1.isEmpty())
            ResolveRowSha1(list, row, sha1);
    }
    AppendExtractionSections(Account, ExportedRows(list));
}

/** The export of the 30 unresolved rows of the folder's first page, all ticked. */
void BM_ExportThirtyRows(benchmark::State& state)
{
    const Way way = Way(state.range(1));
    NetworkPath path(DemoDrive::sample(), way, milliseconds(state.range(0)));
    if (!setUp(state, path))
        return;
    enterPhotos(path);
    qint64 exporting = 0;
    for (auto _ : state) {
        state.PauseTiming();
        emptyStore(); // every round fetches the 30 pages
        path.browser.clearListing();
        path.browser.RequestListing();
        for (int row = 0; row < path.rows.rowCount(); ++row)
            path.rows.setTicked(row, true);
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        if (way == Reused)
            ExportTickedRows(path.rows, Account);
        else
            exportOneAfterAnother(path.rows);
        exporting += timer.nsecsElapsed();
    }
    path.finish(state, exporting);
}

/** The old way for a whole folder: the walk one page after another on fresh connections, then
 *  one download page after another. */
void exportFolderOneAfterAnother(const WalkScope& scope)
{
    RetryPolicy oneAtATime;
    oneAtATime.requestsInFlight = 1;
    RetryingFetcher fetcher(nullptr, oneAtATime);
    ExportCounts counts;
    const WalkResult walk = WalkFolder(scope, fetcher, counts, {});
    QList<ExportRow> rows;
    for (const WalkedFile& file : walk.files) {
        const QString pickCode = file.columns.value(ColumnIndex(Column::PickCode));
        const QString sha1 = FindSha1(FetchDownloadPage(pickCode));
        rows.append({file.path, file.columns.value(ColumnIndex(Column::Size)), pickCode,
                     sha1 + file.columns.value(ColumnIndex(Column::StandardForm))});
    }
    AppendExtractionSections(Account, rows);
}

/** The listing pages of every folder of `drive`, the root included. */
int listingPages(const DemoDrive& drive)
{
    QStringList folders{QStringLiteral("0")};
    for (const DemoFolder& folder : drive.folders())
        folders.append(folder.cid);
    int pages = 0;
    for (const QString& cid : folders) {
        const qsizetype entries = drive.subfoldersOf(cid).size() + drive.filesIn(cid).size();
        pages += int(std::max<qsizetype>(1, (entries + 29) / 30));
    }
    return pages;
}

/** Frees what the allocator keeps and restarts the peak resident memory from what is resident
 *  now, so that the next peak is that of what follows. */
void resetPeakResident()
{
    malloc_trim(0);
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

/** The peak resident memory since the last resetPeakResident() (VmHWM). */
double peakResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

double storeMiB()
{
    qint64 bytes = 0;
    for (const QFileInfo& file : storeFolder().entryInfoList(QDir::Files))
        bytes += file.size();
    return double(bytes) / (1024.0 * 1024.0);
}

/** One "导出当前目录" with "含子目录" on the root, the program's way, with an empty session cache:
 *  only the lasting store can spare a download page. Its time in nanoseconds. */
qint64 exportRoot()
{
    WalkScope scope;
    scope.includeSubfolders = true;
    Sha1Cache sha1s;
    QElapsedTimer timer;
    timer.start();
    ExportFolder(scope, Account, sha1s, nullptr);
    return timer.nsecsElapsed();
}

/** The program's export of the root of `drive` (served on `path`), cold from an empty store,
 *  then warm from the store the cold one filled: the time of each, peak resident memory of each
 *  (program, store and the in-process demo service), the download pages the warm one asked for
 *  and the store's size on disk. */
void exportColdThenWarm(benchmark::State& state, NetworkPath& path, const DemoDrive& drive)
{
    qint64 cold = 0;
    qint64 warm = 0;
    double coldPeak = 0;
    double warmPeak = 0;
    qsizetype warmPageRequests = 0;
    for (auto _ : state) {
        storeFolder().removeRecursively();
        resetPeakResident();
        cold += exportRoot();
        coldPeak = std::max(coldPeak, peakResidentMiB());
        path.service.clearRequests();
        resetPeakResident();
        warm += exportRoot();
        warmPeak = std::max(warmPeak, peakResidentMiB());
        warmPageRequests +=
            path.service.requestTargets({DemoService::Endpoint::DownloadPage}).size();
    }
    path.finish(state, cold);
    path.count(state, "warm_", warm);
    state.counters["peak_MiB"] = coldPeak;
    state.counters["warm_peak_MiB"] = warmPeak;
    state.counters["warm_page_requests"] = double(warmPageRequests);
    state.counters["store_MiB"] = storeMiB();
    state.counters["bound_RTTs"] =
        1.1 * double(listingPages(drive) + drive.files().size()) / MaxRequestsInFlight;
}

/** "导出当前目录" with "含子目录" on the root of the large drive: the old way, or the program's
 *  way cold and then warm. */
void BM_FolderExport(benchmark::State& state)
{
    const Way way = Way(state.range(1));
    NetworkPath path(DemoDrive::large(), way, milliseconds(state.range(0)));
    if (!setUp(state, path))
        return;
    if (way == Reused) {
        exportColdThenWarm(state, path, DemoDrive::large());
        return;
    }
    WalkScope scope;
    scope.includeSubfolders = true;
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state)
        exportFolderOneAfterAnother(scope);
    path.finish(state, timer.nsecsElapsed());
}

/** A generated drive of 20,000 files, cold and warm: times, peak memory, the store's size. */
void BM_GeneratedDriveExport(benchmark::State& state)
{
    static const DemoDrive drive = DemoDrive::generated(20000);
    NetworkPath path(drive, Reused, milliseconds(state.range(0)));
    if (setUp(state, path))
        exportColdThenWarm(state, path, drive);
}

/** 200 files from a service that answers 429 ("Retry-After: 1") to every request but the one
 *  it is serving, with the default policy: time and refusals. */
void BM_OneAtATimeExport(benchmark::State& state)
{
    static const DemoDrive drive = DemoDrive::generated(200);
    NetworkPath path(drive, Reused, milliseconds(state.range(0)), true);
    if (!setUp(state, path))
        return;
    qint64 exporting = 0;
    for (auto _ : state)
        exporting += exportRoot();
    path.finish(state, exporting);
    state.counters["refused_429"] = path.service.busyRefusals();
}

void networkArguments(benchmark::internal::Benchmark* benchmark, int iterations)
{
    benchmark->ArgNames({"rtt_ms", "reused"});
    for (const int rtt : {40, 0}) {
        for (const int way : {SequentialFresh, Reused})
            benchmark->Args({rtt, way});
    }
    benchmark->Iterations(iterations)->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_PageTurn)->Apply([](auto* b) { networkArguments(b, 20); });
BENCHMARK(BM_ExportThirtyRows)->Apply([](auto* b) { networkArguments(b, 5); });
BENCHMARK(BM_FolderExport)->Apply([](auto* b) { networkArguments(b, 1); });
// One run at each round trip: these rows take seconds to minutes each.
void onceAtEachRoundTrip(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"rtt_ms"})
        ->Arg(40)
        ->Arg(0)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_GeneratedDriveExport)->Apply(onceAtEachRoundTrip);
BENCHMARK(BM_OneAtATimeExport)->Apply(onceAtEachRoundTrip);

} // namespace

BENCHMARK_MAIN();
