#pragma once

#include "CurlHandle.h"
#include "HttpRequest.h"
#include "HttpResult.h"

#include <QByteArray>
#include <curl/curl.h>
#include <optional>

/** One request made ready on an easy handle of its own: address, method, body, the request's
 *  headers in their order (and nothing curl would add on its own), time-outs and caps, with
 *  callbacks that gather the answer. Connections come from `share` (may be null). Neither
 *  copied nor moved: curl holds pointers into it. */
class HttpTransfer
{
public:
    HttpTransfer(const HttpRequest& request, CURLSH* share);
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;

    /** Why the request must not or cannot be sent (a header or address that would break the
     *  request line, no handle); nothing when it is ready to run. */
    const std::optional<HttpResult>& refusal() const { return m_refusal; }
    CURL* easy() const { return m_handle.get(); }

    /** The outcome once curl has finished the transfer with `code`. */
    HttpResult result(CURLcode code) const;

    /** What gathers the answer during the transfer. */
    struct Reception
    {
        QByteArray body;
        QByteArray headers;
        bool bodyTooLarge = false;
        bool headersTooLarge = false;
    };

private:
    CurlHandle m_handle;
    Reception m_reception;
    QByteArray m_url;
    std::optional<HttpResult> m_refusal;
};

/** Runs curl's process-wide set-up on the first call (safe from several threads) and returns
 *  its outcome, the same on every call. */
CURLcode PrepareHttpLibrary();

/** A failure result of `kind` with `detail` and no answer. */
HttpResult FailedResult(HttpFailure kind, HttpFailureDetail detail = {});
