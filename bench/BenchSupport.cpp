#include "BenchSupport.h"

#include "platform/HttpTransport.h"
#include "service/endpoints.h"
#include "service/session.h"

#include <QGuiApplication>
#include <curl/curl.h>

namespace {

size_t collect(char* data, size_t size, size_t count, void* userData)
{
    static_cast<std::string*>(userData)->append(data, size * count);
    return size * count;
}

} // namespace

QuietDemoService::QuietDemoService()
{
    InitializeHttpTransport();
    running = service.start();
    if (running)
        SetServiceBase(service.baseUrl());
}

QString LastMessage(const RecordingDesktop& desktop)
{
    return desktop.messages.isEmpty() ? QString() : desktop.messages.last().text;
}

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

void ensureGuiApplication(const char* programName)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static std::string name = programName;
    static char* argv[] = {name.data(), nullptr};
    static QGuiApplication application(argc, argv);
}

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
