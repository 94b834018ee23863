#include "BenchSupport.h"
#include "DelayProxy.h"
#include "DemoDrive.h"
#include "MemoryFileList.h"
#include "browser/FileBrowser.h"
#include "browser/Login.h"
#include "export/DownloadPage.h"
#include "export/FolderExport.h"
#include "export/LinkResolution.h"
#include "export/PageSearch.h"
#include "export/TickedRowsExport.h"
#include "platform/HttpTransport.h"
#include "service/endpoints.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

// Fetching over an emulated network path: a page turn of the browser, the export of 30
// unresolved ticked rows and the folder export of the large drive, through a loopback proxy
// that delays like a link with the given round trip (RTT), or straight over loopback (RTT 0).
// Each runs the way the program fetches now (connections kept open and reused, listing and
// download pages six at a time in one paced batch) and beside it the sequential fresh-connection
// way: a service that closes every connection after one answer, and one request after another.
// Then the export of a generated drive of 20,000 files (time and peak memory; run it alone for
// the memory figure) and of 200 files from a service that answers 429 to all but one request at
// a time. The counter "RTTs" is the time of one operation in round trips.

namespace {

using std::chrono::milliseconds;

enum Way
{
    SequentialFresh = 0,
    Reused = 1,
};

const QString Account = QStringLiteral("bench");

/** The demo service serving `drive`, reached through a delaying proxy (none for RTT 0), and a
 *  browser signed in to it. */
struct NetworkPath
{
    NetworkPath(const DemoDrive& drive, Way way, milliseconds roundTrip, bool oneAtATime = false)
        : service(drive), roundTrip(roundTrip)
    {
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
        const double perOperation = double(nanoseconds) / 1e6 / double(state.iterations());
        state.counters["ms"] = perOperation;
        if (roundTrip.count() > 0)
            state.counters["RTTs"] = perOperation / double(roundTrip.count());
    }

    RecordingDesktop desktop;
    DemoService service;
    std::unique_ptr<DelayProxy> proxy;
    milliseconds roundTrip;
    MemoryFileList rows;
    FileBrowser browser{rows};
    QTemporaryDir workingFolder;
    bool ready = false;
};

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

double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

/** "导出当前目录" with "含子目录" on the root of the large drive. */
void BM_FolderExport(benchmark::State& state)
{
    const Way way = Way(state.range(1));
    NetworkPath path(DemoDrive::large(), way, milliseconds(state.range(0)));
    if (!setUp(state, path))
        return;
    WalkScope scope;
    scope.includeSubfolders = true;
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        Sha1Cache sha1s;
        if (way == Reused)
            ExportFolder(scope, Account, sha1s, nullptr);
        else
            exportFolderOneAfterAnother(scope);
    }
    path.finish(state, timer.nsecsElapsed());
    state.counters["peak_MiB"] = peakResidentMiB();
    state.counters["bound_RTTs"] =
        1.1 * (listingPages(DemoDrive::large()) + DemoDriveIds::LargeDriveFileCount) /
        MaxRequestsInFlight;
}

/** Cold exports of the root of `drive` with subfolders, the program's way, timed; the service
 *  serves one request at a time when `oneAtATime`. */
void exportGeneratedDrive(benchmark::State& state, const DemoDrive& drive, bool oneAtATime)
{
    NetworkPath path(drive, Reused, milliseconds(state.range(0)), oneAtATime);
    if (!setUp(state, path))
        return;
    WalkScope scope;
    scope.includeSubfolders = true;
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        Sha1Cache sha1s;
        ExportFolder(scope, Account, sha1s, nullptr);
    }
    path.finish(state, timer.nsecsElapsed());
    state.counters["peak_MiB"] = peakResidentMiB();
    state.counters["bound_RTTs"] =
        1.1 * double(listingPages(drive) + drive.files().size()) / MaxRequestsInFlight;
    if (oneAtATime)
        state.counters["refused_429"] = path.service.busyRefusals();
}

/** A generated drive of 20,000 files: time and peak memory (run it alone for the memory). */
void BM_GeneratedDriveExport(benchmark::State& state)
{
    static const DemoDrive drive = DemoDrive::generated(20000);
    exportGeneratedDrive(state, drive, false);
}

/** 200 files from a service that answers 429 ("Retry-After: 1") to every request but the one
 *  it is serving, with the default policy: time and refusals. */
void BM_OneAtATimeExport(benchmark::State& state)
{
    static const DemoDrive drive = DemoDrive::generated(200);
    exportGeneratedDrive(state, drive, true);
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
BENCHMARK(BM_GeneratedDriveExport)
    ->ArgNames({"rtt_ms"})
    ->Arg(40)
    ->Arg(0)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneAtATimeExport)
    ->ArgNames({"rtt_ms"})
    ->Arg(40)
    ->Arg(0)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
