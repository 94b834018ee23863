#include "BenchSupport.h"
#include "DemoDrive.h"
#include "MemoryFileList.h"
#include "browser/FileBrowser.h"
#include "browser/Login.h"
#include "service/endpoints.h"
#include "service/httpxml.h"
#include "service/session.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

// A page turn of the file browser (request, parse, 30 rows into the list)
// against a bare libcurl fetch of the same page from the demo service, with the
// turn's two parts measured alone beside them. Fetches and turns alternate
// between the first two pages of the 95-entry folder, so that every answer
// differs from the one held and is parsed.

namespace {

/** The demo service with a browser signed in and showing the 95-entry folder. */
struct PagedFolder : QuietDemoService
{
    PagedFolder()
    {
        if (!running)
            return;
        if (SignInAndList(DemoService::account(), DemoService::password(), browser) !=
            LoginOutcome::SignedIn)
            return;
        for (int row = 0; row < rows.rowCount(); ++row) {
            if (rows.text(row, Column::Id) == QLatin1String(DemoDriveIds::Photos))
                rows.selectRow(row);
        }
        browser.EnterFolder();
        ready = rows.rowCount() == ListingState::PageSize;
    }

    MemoryFileList rows;
    FileBrowser browser{rows};
    bool ready = false;
};

/** The shared folder, or null after marking the benchmark skipped when it is not ready. */
PagedFolder* readyFolder(benchmark::State& state)
{
    static PagedFolder paged;
    if (paged.ready)
        return &paged;
    state.SkipWithError("demo service folder unavailable");
    return nullptr;
}

/** The address the browser requests for the page at `offset` of the folder. */
std::string pageAddress(const QString& offset)
{
    return (WebApiAddress() + QStringLiteral("/files?aid=1&cid=") +
            QLatin1String(DemoDriveIds::Photos) + QStringLiteral("&o=user_ptime&asc=0&offset=") +
            offset +
            QStringLiteral("&show_dir=1&limit=30&source=&format=json&type=&star=&is_share=0"
                           "&_t=1344257890616"))
        .toStdString();
}

void BM_BareCurlFetch(benchmark::State& state)
{
    if (!readyFolder(state))
        return;
    const std::string pages[] = {pageAddress(QStringLiteral("30")),
                                 pageAddress(QStringLiteral("0"))};
    const std::vector<std::string> headers = serviceHeaderLines();
    size_t turn = 0;
    for (auto _ : state) {
        if (bareGet(pages[turn++ % 2], headers).empty()) {
            state.SkipWithError("bare GET failed");
            return;
        }
    }
}
BENCHMARK(BM_BareCurlFetch)->Unit(benchmark::kMicrosecond);

/** The request of a page turn alone, through the service layer. */
void BM_ListingRequest(benchmark::State& state)
{
    const PagedFolder* paged = readyFolder(state);
    if (!paged)
        return;
    const QString pages[] = {QString::fromStdString(pageAddress(QStringLiteral("30"))),
                             QString::fromStdString(pageAddress(QStringLiteral("0")))};
    size_t turn = 0;
    for (auto _ : state) {
        if (ServiceRequest(QStringLiteral("GET"), pages[turn++ % 2], QString()).isEmpty()) {
            state.SkipWithError(LastMessage(paged->desktop).toStdString().c_str());
            return;
        }
    }
}
BENCHMARK(BM_ListingRequest)->Unit(benchmark::kMicrosecond);

/** The rest of a page turn alone: parsing the held answer into 30 rows. */
void BM_ParseIntoRows(benchmark::State& state)
{
    PagedFolder* paged = readyFolder(state);
    if (!paged)
        return;
    for (auto _ : state) {
        paged->browser.ParseListing();
        benchmark::DoNotOptimize(paged->rows.rowCount());
    }
}
BENCHMARK(BM_ParseIntoRows)->Unit(benchmark::kMicrosecond);

void turnPages(benchmark::State& state)
{
    PagedFolder* paged = readyFolder(state);
    if (!paged)
        return;
    for (auto _ : state) {
        if (paged->browser.state().offset() == QLatin1String("0"))
            paged->browser.NextPage();
        else
            paged->browser.PreviousPage();
        if (paged->rows.rowCount() != ListingState::PageSize) {
            state.SkipWithError(LastMessage(paged->desktop).toStdString().c_str());
            return;
        }
    }
}

/** Off the GUI thread (or without a GUI): the transfer runs inline. */
void BM_PageTurn(benchmark::State& state)
{
    turnPages(state);
}
BENCHMARK(BM_PageTurn)->Unit(benchmark::kMicrosecond);

/** As the window turns a page: the GUI thread drives the transfer and handles its events.
 *  Registered last, because the application it creates stays for the rest of the run. */
void BM_PageTurnOnGuiThread(benchmark::State& state)
{
    ensureGuiApplication("page_turn_bench");
    turnPages(state);
}
BENCHMARK(BM_PageTurnOnGuiThread)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
