// Batches of transfers on a multi handle that the calling thread drives; how one request becomes
// a transfer is in HttpTransfer.cpp.
#include "HttpTransport.h"

#include "CancelToken.h"
#include "ConnectionCache.h"
#include "HttpTransfer.h"
#include "ResponsiveWait.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// How long one wait for network activity may last before the caller's windows and the cancel
// token are looked at again.
constexpr std::chrono::milliseconds PollSlice{20};

// Idle connections kept open for the next batch: all of the fullest batch and a few more.
constexpr long KeptConnections = RequestsInFlightLimit + 2;

struct MultiDeleter
{
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
using MultiHandle = std::unique_ptr<CURLM, MultiDeleter>;

/** The requests of one feed on one multi handle: starts each as the feed gives it, no more at a
 *  time than the feed allows and no sooner than the start rate allows, and hands each result
 *  back. */
class FeedRun
{
public:
    FeedRun(HttpFeed& feed, const HttpFeedControl& control, CURLSH* share)
        : m_feed(feed), m_control(control), m_share(share)
    {
        m_multi.reset(curl_multi_init());
        if (m_multi)
            curl_multi_setopt(m_multi.get(), CURLMOPT_MAXCONNECTS, KeptConnections);
        // Kept to an hour, so that a vanishingly small rate cannot overflow the clock.
        if (control.startsPerSecond > 0)
            m_startSpacing = std::chrono::duration_cast<Clock::duration>(
                std::chrono::duration<double>(std::min(1.0 / control.startsPerSecond, 3600.0)));
    }

    FeedRun(const FeedRun&) = delete;
    FeedRun& operator=(const FeedRun&) = delete;

    bool run()
    {
        ResponsiveWait wait(m_control.cancel != nullptr);
        m_wait = &wait;
        startMore();
        while ((!m_running.empty() || m_feed.pending()) && !cancelled() && !m_feed.abandoned()) {
            if (!m_running.empty()) {
                int running = 0;
                curl_multi_perform(m_multi.get(), &running);
                collectFinished();
            }
            startMore();
            // Nothing left to wait for: waiting out one more slice would add its length to
            // every batch.
            if (m_running.empty() && !m_feed.pending())
                break;
            const auto slice = pollTime();
            if (!m_multi ||
                curl_multi_poll(m_multi.get(), nullptr, 0, int(slice.count()), nullptr) != CURLM_OK)
                std::this_thread::sleep_for(slice);
            wait.pump();
        }
        const bool finished = !cancelled();
        abandonInFlight();
        m_wait = nullptr;
        return finished;
    }

private:
    struct Running
    {
        quint64 id;
        std::unique_ptr<HttpTransfer> transfer;
    };

    bool cancelled() const
    {
        return (m_control.cancel && m_control.cancel->isCancelled()) ||
               (m_wait && m_wait->cancelled());
    }

    // The wait before looking again: shorter when the start rate lets the next request go sooner.
    std::chrono::milliseconds pollTime() const
    {
        if (m_startSpacing == Clock::duration::zero() || !m_feed.pending())
            return PollSlice;
        const auto untilStart =
            std::chrono::ceil<std::chrono::milliseconds>(m_nextStart - Clock::now());
        return std::clamp(untilStart, std::chrono::milliseconds(0), PollSlice);
    }

    void startMore()
    {
        while (!cancelled() && int(m_running.size()) < std::clamp(m_feed.requestsInFlight(), 1,
                                                                  RequestsInFlightLimit)) {
            const Clock::time_point now = Clock::now();
            if (now < m_nextStart)
                return;
            std::optional<FedRequest> fed = m_feed.next();
            if (!fed)
                return;
            auto transfer = std::make_unique<HttpTransfer>(fed->request, m_share);
            if (transfer->refusal()) {
                m_feed.finished(fed->id, *transfer->refusal());
            } else if (!m_multi ||
                       curl_multi_add_handle(m_multi.get(), transfer->easy()) != CURLM_OK) {
                m_feed.finished(fed->id,
                                FailedResult(HttpFailure::Other,
                                             {HttpFailureCause::RequestNotCreated, {}, {}}));
            } else {
                m_running.push_back({fed->id, std::move(transfer)});
                if (m_startSpacing != Clock::duration::zero())
                    m_nextStart = now + m_startSpacing;
            }
        }
    }

    void collectFinished()
    {
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(m_multi.get(), &queued)) {
            if (message->msg != CURLMSG_DONE)
                continue;
            const auto place = std::find_if(m_running.begin(), m_running.end(), [&](const auto& r) {
                return r.transfer->easy() == message->easy_handle;
            });
            if (place == m_running.end())
                continue;
            const HttpResult result = place->transfer->result(message->data.result);
            const quint64 id = place->id;
            release(place);
            m_feed.finished(id, result);
        }
    }

    void release(std::vector<Running>::iterator place)
    {
        curl_multi_remove_handle(m_multi.get(), place->transfer->easy());
        m_running.erase(place);
    }

    // Removing a transfer that is still running closes its connection: nothing half-read
    // stays in the cache.
    void abandonInFlight()
    {
        while (!m_running.empty())
            release(m_running.end() - 1);
    }

    HttpFeed& m_feed;
    const HttpFeedControl& m_control;
    CURLSH* m_share;
    MultiHandle m_multi;
    std::vector<Running> m_running;
    const ResponsiveWait* m_wait = nullptr; // while run() waits
    Clock::duration m_startSpacing = Clock::duration::zero();
    Clock::time_point m_nextStart;
};

/** A fixed list of requests as a feed: started in list order, each result filed at its
 *  request's place. */
class ListFeed final : public HttpFeed
{
public:
    ListFeed(const QList<HttpRequest>& requests, const HttpBatchControl& control)
        : m_requests(requests), m_control(control), m_results(requests.size()),
          m_done(std::size_t(requests.size()), false)
    {
    }

    int requestsInFlight() const override { return m_control.requestsInFlight; }

    std::optional<FedRequest> next() override
    {
        if (m_next >= m_requests.size())
            return std::nullopt;
        const qsizetype index = m_next++;
        return FedRequest{quint64(index), m_requests[index]};
    }

    void finished(quint64 id, const HttpResult& result) override
    {
        const auto index = qsizetype(id);
        m_results[index] = result;
        m_done[std::size_t(index)] = true;
        if (m_control.finished)
            m_control.finished(index, result);
    }

    bool pending() const override { return m_next < m_requests.size(); }

    /** The results, every request not answered failing as cancelled. */
    QList<HttpResult> results()
    {
        for (qsizetype i = 0; i < m_results.size(); ++i) {
            if (!m_done[std::size_t(i)])
                m_results[i] = FailedResult(HttpFailure::Cancelled);
        }
        return m_results;
    }

private:
    const QList<HttpRequest>& m_requests;
    const HttpBatchControl& m_control;
    QList<HttpResult> m_results;
    std::vector<bool> m_done;
    qsizetype m_next = 0;
};

} // namespace

void InitializeHttpTransport()
{
    PrepareHttpLibrary();
}

bool RunHttpFeed(HttpFeed& feed, const HttpFeedControl& control)
{
    InitializeHttpTransport();
    FeedRun run(feed, control, SharedConnectionCache());
    return run.run();
}

QList<HttpResult> SendHttpBatch(const QList<HttpRequest>& requests, const HttpBatchControl& control)
{
    ListFeed feed(requests, control);
    RunHttpFeed(feed, {control.cancel});
    return feed.results();
}

HttpResult SendHttpRequest(const HttpRequest& request, const CancelToken* cancel)
{
    return SendHttpBatch({request}, {cancel, {}}).first();
}
