#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <chrono>

enum class HttpMethod
{
    Get,
    Post
};

/** One request header; sent as "name: value", in the order of the request's list. */
struct HttpHeader
{
    QString name;
    QString value;
};

/** Limits for each phase of a request: name resolution, connection, sending, receiving. */
struct HttpTimeouts
{
    std::chrono::milliseconds resolve{50000};
    std::chrono::milliseconds connect{50000};
    std::chrono::milliseconds send{50000};
    std::chrono::milliseconds receive{50000};
};

/** Everything one request sends: the transport adds only what HTTP/1.1 itself needs. */
struct HttpRequest
{
    HttpMethod method = HttpMethod::Get;
    QString url;
    QList<HttpHeader> headers;
    QByteArray body; // sent as given, also with GET
    bool followRedirects = true;
    HttpTimeouts timeouts;
    QString extraCertificateFile; // PEM certificates trusted for https besides the system's
};
