#pragma once

#include "platform/HttpRequest.h"
#include "platform/HttpResult.h"
#include "platform/HttpTransport.h"

#include <QList>
#include <chrono>
#include <functional>
#include <optional>

class CancelToken;

/** How many requests go at once, and how often and how long to wait before a failed request is
 *  sent again. */
struct RetryPolicy
{
    /** The wait before each further try; as many tries more as it has waits. */
    QList<std::chrono::milliseconds> backoff{std::chrono::milliseconds(500),
                                             std::chrono::seconds(1), std::chrono::seconds(2)};
    /** The longest wait a "Retry-After" header may ask for; it asks for no more than this. */
    std::chrono::milliseconds longestRetryAfter = std::chrono::seconds(30);
    /** Requests in flight at once, at most (1 to RequestsInFlightLimit). */
    int requestsInFlight = MaxRequestsInFlight;
};

/** True for a failure that a later try may not meet: a time-out, a refused or cut-off
 *  connection, or the status 429 or 5xx. */
bool IsTransientFailure(const HttpResult& result);

/** The wait a "Retry-After" header of `result` asks for (seconds or an HTTP date), at most
 *  `longest`; nothing when it has none that can be read. */
std::optional<std::chrono::milliseconds> RetryAfterOf(const HttpResult& result,
                                                      std::chrono::milliseconds longest);

/** Sends requests in batches and sends those that met a transient failure again after a wait,
 *  as the policy says, until they succeed, fail otherwise or run out of tries. Counts the
 *  requests it settled for a progress display. Cancelled through `cancel` (not owned; may be
 *  null), also while it waits. */
class RetryingFetcher
{
public:
    /** `settled` (may be empty) hears, on the calling thread, each time a request is settled:
     *  answered, failed for good or given up. */
    RetryingFetcher(const CancelToken* cancel, RetryPolicy policy,
                    std::function<void()> settled = {});

    /** One final result per request, in the order given. After a cancel the requests not
     *  settled by then fail with "已取消". `settledOne` (may be empty) hears each request's
     *  final result as soon as it is settled, by its place in `requests`. */
    QList<HttpResult>
    fetch(const QList<HttpRequest>& requests,
          const std::function<void(qsizetype index, const HttpResult& result)>& settledOne = {});

    bool cancelled() const;

private:
    /** Waits `duration` while the window keeps painting, or until cancelled. */
    void pause(std::chrono::milliseconds duration) const;

    const CancelToken* m_cancel;
    RetryPolicy m_policy;
    std::function<void()> m_settled;
};
