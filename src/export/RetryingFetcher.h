#pragma once

#include "RequestPacing.h"
#include "platform/HttpFeed.h"
#include "platform/HttpRequest.h"
#include "platform/HttpResult.h"
#include "platform/HttpTransport.h"
#include "service/SessionEnd.h"

#include <QList>
#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

class CancelToken;

/** How many requests go at once and how fast, and how often and how long to wait before a
 *  failed request is sent again. */
struct RetryPolicy
{
    /** The wait before each further try; as many tries more as it has waits. */
    QList<std::chrono::milliseconds> backoff{std::chrono::milliseconds(500),
                                             std::chrono::seconds(1), std::chrono::seconds(2)};
    /** The longest wait a "Retry-After" header may ask for; it asks for no more than this. */
    std::chrono::milliseconds longestRetryAfter = std::chrono::seconds(30);
    /** Requests in flight at once, at most (1 to RequestsInFlightLimit); fewer while the
     *  service asks for less (RequestPacing). */
    int requestsInFlight = MaxRequestsInFlight;
    /** Requests started per second, at most; 0 for no limit. */
    double requestsPerSecond = 0;
};

/** True for a failure that a later try may not meet: a time-out, a refused or cut-off
 *  connection, or the status 429 or 5xx. */
bool IsTransientFailure(const HttpResult& result);

/** Put after what a transient failure says when the tries ran out: "（多次重试后仍然失败）". */
QString RetriesSpentText();

/** The wait a "Retry-After" header of `result` asks for (seconds or an HTTP date), at most
 *  `longest`; nothing when it has none that can be read. */
std::optional<std::chrono::milliseconds> RetryAfterOf(const HttpResult& result,
                                                      std::chrono::milliseconds longest);

/** Sends requests, as many at once as the policy and the service's answers allow (one
 *  RequestPacing for everything it sends), and sends a request that met a transient failure
 *  again after a wait ("Retry-After" or the policy's), while the others go on, until it
 *  succeeds, fails otherwise or runs out of tries. An answer may queue further requests, so
 *  one operation's listing and download pages share one batch and one limit. Cancelled through
 *  `cancel` (not owned; may be null), also while a request waits for its next try. */
class RetryingFetcher final : public HttpFeed
{
public:
    /** Hears a request's final result, on the calling thread. */
    using Settled = std::function<void(const HttpResult&)>;
    /** Which requests start first: every `Soon` one before any `Later` one. */
    enum class Turn
    {
        Soon,
        Later
    };

    /** `settled` (may be empty) hears, on the calling thread, each time a request is settled:
     *  answered, failed for good or given up. */
    RetryingFetcher(const CancelToken* cancel, RetryPolicy policy,
                    std::function<void()> settled = {});

    /** Queues `request`; `done` (may be empty) hears its final result during run() and may
     *  queue more. Nothing is queued after stop(). */
    void submit(const HttpRequest& request, Settled done, Turn turn = Turn::Later);
    /** Sends what is queued, and what is queued meanwhile, until every request is settled or
     *  stop() is called; false when cancelled first. Requests not settled by then are not
     *  heard of. */
    bool run();
    /** Gives up every request not settled yet: run() aborts those in flight and returns. */
    void stop();

    /** Queues `requests`, runs them and returns one final result per request, in the order
     *  given. After a cancel the requests not settled by then fail as HttpFailure::Cancelled.
     *  `settledOne` (may be empty) hears each request's final result as soon as it is settled,
     *  by its place in `requests`. */
    QList<HttpResult>
    fetch(const QList<HttpRequest>& requests,
          const std::function<void(qsizetype index, const HttpResult& result)>& settledOne = {});

    bool cancelled() const;

    /** Requests queued so far, each counted once however often it is sent. */
    int submitted() const { return m_submitted; }
    /** Requests settled so far; never more than submitted(), since only a queued request can
     *  settle, and only once. */
    int settled() const { return m_settledCount; }

    int requestsInFlight() const override;
    std::optional<FedRequest> next() override;
    void finished(quint64 id, const HttpResult& result) override;
    bool pending() const override;
    bool abandoned() const override { return m_stopped; }

private:
    using Clock = std::chrono::steady_clock;

    struct Job
    {
        HttpRequest request;
        Settled done;
        qsizetype triesMade = 0;
        Clock::time_point notBefore; // while it waits for its next try
    };

    void takeDueRetries();
    /** Ends job `id` with `result`: its caller and the settled count hear of it. */
    void settle(quint64 id, const HttpResult& result);

    const CancelToken* m_cancel;
    RetryPolicy m_policy;
    std::function<void()> m_settled;
    RequestPacing m_pacing;
    std::unordered_map<quint64, Job> m_jobs; // queued, waiting, or in flight
    std::deque<quint64> m_soon;
    std::deque<quint64> m_later;
    std::vector<quint64> m_retries; // waiting for their next try
    quint64 m_nextId = 0;
    int m_submitted = 0;
    int m_settledCount = 0;
    bool m_stopped = false;
    EndedSessionRecovery m_recovery;
    // Answered "session ended", held until the feed has run dry and a sign-in was tried.
    std::vector<std::pair<quint64, HttpResult>> m_sessionEnded;
};
