// Batches of transfers on a multi handle that the calling thread drives; how one request becomes
// a transfer is in HttpTransfer.cpp.
#include "HttpTransport.h"

#include "CancelToken.h"
#include "ConnectionCache.h"
#include "HttpTransfer.h"
#include "ResponsiveWait.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

// How long one wait for network activity may last before the caller's windows and the cancel
// token are looked at again.
constexpr int PollSliceMs = 20;

// Idle connections kept open for the next batch: all of the fullest batch and a few more.
constexpr long KeptConnections = RequestsInFlightLimit + 2;

struct MultiDeleter
{
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
using MultiHandle = std::unique_ptr<CURLM, MultiDeleter>;

/** The requests of one batch on one multi handle: starts them in order, at most
 *  as many at a time as the caller allows, and files each result at its request's place. */
class BatchRun
{
public:
    BatchRun(const QList<HttpRequest>& requests, const HttpBatchControl& control, CURLSH* share)
        : m_requests(requests), m_control(control), m_share(share),
          m_transfers(std::size_t(requests.size())), m_results(requests.size()),
          m_done(std::size_t(requests.size()), false)
    {
        m_multi.reset(curl_multi_init());
        if (m_multi)
            curl_multi_setopt(m_multi.get(), CURLMOPT_MAXCONNECTS, KeptConnections);
    }

    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    QList<HttpResult> run()
    {
        ResponsiveWait wait(m_control.cancel != nullptr);
        m_wait = &wait;
        startMore();
        while (m_inFlight > 0 && !cancelled()) {
            int running = 0;
            curl_multi_perform(m_multi.get(), &running);
            collectFinished();
            startMore();
            if (m_inFlight > 0)
                curl_multi_poll(m_multi.get(), nullptr, 0, PollSliceMs, nullptr);
            wait.pump();
        }
        abandonInFlight();
        m_wait = nullptr;
        return m_results;
    }

private:
    bool cancelled() const
    {
        return (m_control.cancel && m_control.cancel->isCancelled()) ||
               (m_wait && m_wait->cancelled());
    }

    void startMore()
    {
        const int limit = std::clamp(m_control.requestsInFlight, 1, RequestsInFlightLimit);
        while (m_inFlight < limit && m_next < m_requests.size() && !cancelled()) {
            const qsizetype index = m_next++;
            auto transfer = std::make_unique<HttpTransfer>(m_requests[index], m_share);
            if (transfer->refusal()) {
                finish(index, *transfer->refusal());
            } else if (!m_multi ||
                       curl_multi_add_handle(m_multi.get(), transfer->easy()) != CURLM_OK) {
                finish(index, FailedResult(HttpFailure::Other,
                                           {HttpFailureCause::RequestNotCreated, {}, {}}));
            } else {
                curl_easy_setopt(transfer->easy(), CURLOPT_PRIVATE,
                                 reinterpret_cast<void*>(static_cast<std::intptr_t>(index)));
                m_transfers[std::size_t(index)] = std::move(transfer);
                ++m_inFlight;
            }
        }
    }

    void collectFinished()
    {
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(m_multi.get(), &queued)) {
            if (message->msg != CURLMSG_DONE)
                continue;
            const qsizetype index = indexOf(message->easy_handle);
            const CURLcode code = message->data.result;
            HttpResult result = m_transfers[std::size_t(index)]->result(code);
            release(index);
            finish(index, std::move(result));
        }
    }

    static qsizetype indexOf(CURL* easy)
    {
        void* index = nullptr;
        curl_easy_getinfo(easy, CURLINFO_PRIVATE, &index);
        return qsizetype(reinterpret_cast<std::intptr_t>(index));
    }

    void release(qsizetype index)
    {
        auto& transfer = m_transfers[std::size_t(index)];
        curl_multi_remove_handle(m_multi.get(), transfer->easy());
        transfer.reset();
        --m_inFlight;
    }

    void finish(qsizetype index, HttpResult result)
    {
        m_results[index] = std::move(result);
        m_done[std::size_t(index)] = true;
        if (m_control.finished)
            m_control.finished(index, m_results[index]);
    }

    // Removing a transfer that is still running closes its connection: nothing half-read
    // stays in the cache.
    void abandonInFlight()
    {
        for (std::size_t i = 0; i < m_transfers.size(); ++i) {
            if (m_transfers[i])
                release(qsizetype(i));
        }
        for (qsizetype i = 0; i < m_results.size(); ++i) {
            if (!m_done[std::size_t(i)])
                m_results[i] = FailedResult(HttpFailure::Cancelled);
        }
    }

    const QList<HttpRequest>& m_requests;
    const HttpBatchControl& m_control;
    CURLSH* m_share;
    MultiHandle m_multi;
    std::vector<std::unique_ptr<HttpTransfer>> m_transfers;
    QList<HttpResult> m_results;
    std::vector<bool> m_done;
    const ResponsiveWait* m_wait = nullptr; // while run() waits
    qsizetype m_next = 0;
    int m_inFlight = 0;
};

} // namespace

void InitializeHttpTransport()
{
    PrepareHttpLibrary();
}

QList<HttpResult> SendHttpBatch(const QList<HttpRequest>& requests, const HttpBatchControl& control)
{
    InitializeHttpTransport();
    BatchRun batch(requests, control, SharedConnectionCache());
    return batch.run();
}

HttpResult SendHttpRequest(const HttpRequest& request, const CancelToken* cancel)
{
    return SendHttpBatch({request}, {cancel, {}}).first();
}
