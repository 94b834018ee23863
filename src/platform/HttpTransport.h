#pragma once

#include "HttpFeed.h"
#include "HttpRequest.h"
#include "HttpResult.h"

#include <QList>
#include <functional>

class CancelToken;

/** The largest response body accepted; a larger answer is a failure. */
inline constexpr qsizetype MaxResponseBodyBytes = 64 * 1024 * 1024;
/** The largest header block of a response accepted; a larger one is a failure. */
inline constexpr qsizetype MaxResponseHeaderBytes = 1024 * 1024;

/** Requests of one batch in flight at once, at most, unless the caller asks for another number. */
inline constexpr int MaxRequestsInFlight = 6;
/** The most requests in flight at once that a caller may ask for. */
inline constexpr int RequestsInFlightLimit = 16;

/** Prepares the HTTP library for the whole process. The program's main() calls
 *  it before any request; calling it again, or from several threads, is safe,
 *  and every request calls it too. */
void InitializeHttpTransport();

/** What a batch's caller may watch and stop. */
struct HttpBatchControl
{
    /** When set, the transfers in flight are aborted within a few tens of milliseconds, and
     *  every request not answered by then fails as HttpFailure::Cancelled. While a
     *  token is given, user input reaches the program's windows during the wait: the caller
     *  shows a modal dialog whose Cancel sets it. Without one, a wait on the GUI thread shows
     *  its own prompt after a second (ResponsiveWait), whose Cancel ends it the same way. Not
     *  owned; may be null. */
    const CancelToken* cancel = nullptr;
    /** Called on the calling thread as each request finishes (in the order they finish), with
     *  its place in the list and its result. May be empty. */
    std::function<void(qsizetype index, const HttpResult& result)> finished;
    /** Requests in flight at once, at most: 1 to RequestsInFlightLimit. */
    int requestsInFlight = MaxRequestsInFlight;
};

/** Sends `requests`, up to `control.requestsInFlight` at once, and returns one result per request
 * in the order given. Connections to a host are kept open in one process-wide cache and reused by
 * later requests and batches; a reused connection that the server has closed meanwhile is replaced
 * by a new one and the request sent again, once. Each request's wire bytes are the same as alone:
 * its headers in their order plus only Host (when none is given) and Content-Length (with a body).
 * A followed redirect to another origin names the new origin in Host and drops Cookie. https
 * addresses are verified against the system's certificates (and the request's extra file); the
 * standard proxy variables (http_proxy, https_proxy, no_proxy) are honoured. The caller waits, its
 * windows still painting (see ResponsiveWait); a batch started meanwhile on the same thread (from a
 * timer) runs inside the wait. Call it from one thread only, the program's: the connection cache
 * is not locked (see ConnectionCache.h). Never throws: a header or address that would break
 * the request line, a network failure, a failed verification, a time-out or an oversized answer
 * comes back as a failed HttpResult (its kind and detail), and nothing is sent for the first two.
 */
QList<HttpResult> SendHttpBatch(const QList<HttpRequest>& requests,
                                const HttpBatchControl& control = {});

/** One request as a batch of one. */
HttpResult SendHttpRequest(const HttpRequest& request, const CancelToken* cancel = nullptr);

/** How a feed's batch runs. */
struct HttpFeedControl
{
    /** Stops the batch, as HttpBatchControl::cancel does. Not owned; may be null. */
    const CancelToken* cancel = nullptr;
    /** Requests started per second, at most, evenly spaced; 0 for no limit. */
    double startsPerSecond = 0;
};

/** Sends what `feed` gives, with the connections, wire bytes and waiting of SendHttpBatch, until
 *  the feed has nothing pending and nothing is in flight, or is abandoned. False when cancelled
 *  (the token or the wait's prompt). What is in flight at the end is aborted, and the feed hears
 *  nothing of it. */
bool RunHttpFeed(HttpFeed& feed, const HttpFeedControl& control = {});
