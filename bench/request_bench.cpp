#include "BenchSupport.h"
#include "service/endpoints.h"
#include "service/httpxml.h"
#include "service/qita.h"
#include "service/session.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

// UnescapeText on a megabyte of listing text, and the cost of ServiceRequest
// over a bare libcurl GET of the same ~12 KB listing from the demo service.

namespace {

QString escapedListing(qsizetype size)
{
    const QString entry = QStringLiteral(
        R"({"fid":"30078","cid":"1004","n":"\u76f8\u518c %E4 IMG_0078.jpg","s":2340462,)"
        R"("t":"2012-09-05 19:58","pc":"pk26s56l4r4mbtdbp","sh":1,"ico":"jpg"},)");
    QString text;
    text.reserve(size + entry.size());
    while (text.size() < size)
        text += entry;
    text.truncate(size);
    return text;
}

void BM_UnescapeText(benchmark::State& state)
{
    const QString text = escapedListing(1024 * 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(UnescapeText(text));
    // One character per byte of the ASCII text the service sends.
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_UnescapeText)->Unit(benchmark::kMillisecond);

/** The demo service, signed in, and the address of its largest listing page. */
struct DemoListing : QuietDemoService
{
    DemoListing()
    {
        if (!running)
            return;
        SetSessionCookie(
            LoginRequest("POST", LoginAddress(),
                         "login[account]=" + EncodeUtf8Percent(DemoService::account()) +
                             "&login[passwd]=" + EncodeUtf8Percent(DemoService::password()) +
                             "&login[time]=on&goto=" + MainSiteAddress()));
        const QString root = ServiceRequest("GET", WebApiAddress() + "/files?aid=1&cid=0", "");
        const auto folder =
            QRegularExpression(R"re("cid":"(\d+)"[^}]*"category_file_count":95\b)re").match(root);
        if (folder.hasMatch())
            url = WebApiAddress() + "/files?aid=1&cid=" + folder.captured(1) +
                  "&o=user_ptime&asc=0&offset=0&limit=95";
    }

    QString url;
};

DemoListing& demo()
{
    static DemoListing listing;
    return listing;
}

void BM_BareCurlGet(benchmark::State& state)
{
    if (demo().url.isEmpty()) {
        state.SkipWithError("demo service listing unavailable");
        return;
    }
    const std::string url = demo().url.toStdString();
    const std::vector<std::string> headers = serviceHeaderLines();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string body = bareGet(url, headers);
        if (body.empty()) {
            state.SkipWithError("bare GET failed");
            return;
        }
        bytes = body.size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["body_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BareCurlGet)->Unit(benchmark::kMicrosecond);

void runServiceRequests(benchmark::State& state)
{
    if (demo().url.isEmpty()) {
        state.SkipWithError("demo service listing unavailable");
        return;
    }
    qsizetype characters = 0;
    for (auto _ : state) {
        const QString text = ServiceRequest("GET", demo().url, "");
        if (text.isEmpty()) {
            state.SkipWithError(LastMessage(demo().desktop).toStdString().c_str());
            return;
        }
        characters = text.size();
    }
    state.counters["text_chars"] = static_cast<double>(characters);
}

/** Off the GUI thread (or without a GUI): the transfer runs inline. */
void BM_ServiceRequest(benchmark::State& state)
{
    if (QCoreApplication::instance()) {
        state.SkipWithError("the GUI variant ran first: run without random interleaving");
        return;
    }
    runServiceRequests(state);
}
BENCHMARK(BM_ServiceRequest)->Unit(benchmark::kMicrosecond);

/** As the window sends it: on the GUI thread, which handles its events between polls.
 *  Registered last, because the application it creates stays for the rest of the run. */
void BM_ServiceRequestOnGuiThread(benchmark::State& state)
{
    ensureGuiApplication("request_bench");
    runServiceRequests(state);
}
BENCHMARK(BM_ServiceRequestOnGuiThread)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
