#include "DemoService.h"
#include "platform/Desktop.h"
#include "platform/HttpTransport.h"
#include "service/endpoints.h"
#include "service/httpxml.h"
#include "service/qita.h"
#include "service/session.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <string>
#include <vector>

// UnescapeText on a megabyte of listing text, and the cost of ServiceRequest
// over a bare libcurl GET of the same ~12 KB listing from the demo service.

namespace {

/** Keeps failure messages for the benchmark to report instead of showing boxes. */
class QuietDesktop final : public Desktop
{
public:
    void showMessage(const QString& text, const QString&, Icon) override { lastMessage = text; }
    void setClipboardText(const QString&) override {}
    void shellOpen(const QString&) override {}

    QString lastMessage;
};

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
struct DemoListing
{
    DemoListing()
    {
        SetDesktop(&desktop);
        InitializeHttpTransport();
        if (!service.start())
            return;
        SetServiceBase(service.baseUrl());
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

    QuietDesktop desktop;
    DemoService service;
    QString url;
};

DemoListing& demo()
{
    static DemoListing listing;
    return listing;
}

size_t collect(char* data, size_t size, size_t count, void* userData)
{
    static_cast<std::string*>(userData)->append(data, size * count);
    return size * count;
}

/** The header lines ServiceRequest sends for a GET, so that both sides of the
 *  comparison put the same bytes on the wire. */
std::vector<std::string> serviceHeaderLines()
{
    return {"Accept: application/x-shockwave-flash,image/gif,image/x-xbitmap,image/jpeg,"
            "image/pjpeg,application/vnd.ms-excel,application/vnd.ms-powerpoint,"
            "application/msword,application/xaml+xml,application/x-ms-xbap,"
            "application/x-ms-application,*/*",
            "Referer: " + MainSiteRoot().toStdString(),
            "Accept-Language: zh-cn",
            "User-Agent: " + ServiceUserAgent().toStdString(),
            "Connection: Keep-Alive",
            "Cookie: " + SessionCookie().toStdString()};
}

/** One GET on a fresh handle and nothing else: no time-outs, caps, checks or decoding. */
std::string bareGet(const std::string& url, const std::vector<std::string>& headerLines)
{
    std::string body;
    CURL* curl = curl_easy_init();
    curl_slist* headers = nullptr;
    for (const std::string& line : headerLines)
        headers = curl_slist_append(headers, line.c_str());
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    if (curl_easy_perform(curl) != CURLE_OK)
        body.clear();
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return body;
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
            state.SkipWithError(demo().desktop.lastMessage.toStdString().c_str());
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

/** As the window sends it: a worker thread while the GUI thread waits in an event loop.
 *  Registered last, because the application it creates stays for the rest of the run. */
void BM_ServiceRequestOnGuiThread(benchmark::State& state)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "request_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    runServiceRequests(state);
}
BENCHMARK(BM_ServiceRequestOnGuiThread)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
