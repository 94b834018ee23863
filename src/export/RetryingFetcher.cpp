#include "RetryingFetcher.h"

#include "platform/CancelToken.h"
#include "platform/HttpTransport.h"
#include "service/SessionEnd.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

using std::chrono::milliseconds;

// A status the server gives when it is busy or briefly broken.
bool isTransientStatus(int status)
{
    return status == 429 || (status >= 500 && status <= 599);
}

QString headerValue(const QString& headers, const QString& name)
{
    const QRegularExpression line(
        QStringLiteral("^%1:[ \\t]*(.*?)[ \\t]*\\r?$").arg(QRegularExpression::escape(name)),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(headers);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

bool IsTransientFailure(const HttpResult& result)
{
    return result.failed() ? result.failure == HttpFailure::Transient
                           : isTransientStatus(result.status);
}

QString RetriesSpentText()
{
    return QCoreApplication::translate("RetryingFetcher", "（多次重试后仍然失败）");
}

std::optional<milliseconds> RetryAfterOf(const HttpResult& result, milliseconds longest)
{
    const QString value = headerValue(result.headers, QStringLiteral("Retry-After"));
    if (value.isEmpty())
        return std::nullopt;
    bool isNumber = false;
    const qint64 seconds = value.toLongLong(&isNumber);
    qint64 wait = 0;
    if (isNumber) {
        if (seconds < 0)
            return std::nullopt;
        wait = std::min<qint64>(seconds, longest.count() / 1000) * 1000;
    } else {
        // An HTTP date names its zone "GMT", which the RFC 2822 reader wants as an offset.
        const QDateTime when = QDateTime::fromString(
            QString(value).replace(QLatin1String("GMT"), QLatin1String("+0000")), Qt::RFC2822Date);
        if (!when.isValid())
            return std::nullopt;
        wait = std::max<qint64>(0, QDateTime::currentDateTimeUtc().msecsTo(when));
    }
    return std::min(milliseconds(wait), longest);
}

RetryingFetcher::RetryingFetcher(const CancelToken* cancel, RetryPolicy policy,
                                 std::function<void()> settled)
    : m_cancel(cancel), m_policy(std::move(policy)), m_settled(std::move(settled)),
      m_pacing(m_policy.requestsInFlight)
{
}

bool RetryingFetcher::cancelled() const
{
    return m_cancel && m_cancel->isCancelled();
}

void RetryingFetcher::submit(const HttpRequest& request, Settled done, Turn turn)
{
    if (m_stopped)
        return;
    const quint64 id = m_nextId++;
    ++m_submitted;
    m_jobs.emplace(id, Job{request, std::move(done), 0, Clock::time_point()});
    (turn == Turn::Soon ? m_soon : m_later).push_back(id);
}

bool RetryingFetcher::run()
{
    bool finished = RunHttpFeed(*this, {m_cancel, m_policy.requestsPerSecond});
    // One silent sign-in serves every request the ended session refused; it is tried once the
    // feed has run dry, never inside a transfer, and at most once (EndedSessionRecovery).
    while (finished && !m_stopped && !m_sessionEnded.empty()) {
        const auto ended = std::exchange(m_sessionEnded, {});
        const bool renewed =
            m_recovery.sendAgain(m_jobs.at(ended.front().first).request, ended.front().second);
        for (const auto& [id, result] : ended) {
            if (!renewed) {
                settle(id, result);
                continue;
            }
            Job& job = m_jobs.at(id);
            job.request = WithSessionCookie(job.request);
            m_soon.push_back(id);
        }
        finished = RunHttpFeed(*this, {m_cancel, m_policy.requestsPerSecond});
    }
    m_jobs.clear();
    m_soon.clear();
    m_later.clear();
    m_retries.clear();
    m_sessionEnded.clear();
    return finished && !cancelled();
}

void RetryingFetcher::stop()
{
    m_stopped = true;
}

QList<HttpResult> RetryingFetcher::fetch(
    const QList<HttpRequest>& requests,
    const std::function<void(qsizetype index, const HttpResult& result)>& settledOne)
{
    QList<HttpResult> results(requests.size());
    std::vector<bool> settled(std::size_t(requests.size()), false);
    for (qsizetype index = 0; index < requests.size(); ++index) {
        submit(requests[index], [&results, &settled, &settledOne, index](const HttpResult& result) {
            results[index] = result;
            settled[std::size_t(index)] = true;
            if (settledOne)
                settledOne(index, result);
        });
    }
    run();
    for (qsizetype index = 0; index < results.size(); ++index) {
        if (!settled[std::size_t(index)]) {
            results[index] = HttpResult{};
            results[index].failure = HttpFailure::Cancelled;
        }
    }
    return results;
}

int RetryingFetcher::requestsInFlight() const
{
    return m_pacing.requestsInFlight();
}

// A request whose wait is over goes before every other.
void RetryingFetcher::takeDueRetries()
{
    const Clock::time_point now = Clock::now();
    for (auto place = m_retries.begin(); place != m_retries.end();) {
        if (m_jobs.at(*place).notBefore <= now) {
            m_soon.push_front(*place);
            place = m_retries.erase(place);
        } else {
            ++place;
        }
    }
}

std::optional<FedRequest> RetryingFetcher::next()
{
    if (m_stopped)
        return std::nullopt;
    takeDueRetries();
    std::deque<quint64>& queue = m_soon.empty() ? m_later : m_soon;
    if (queue.empty())
        return std::nullopt;
    const quint64 id = queue.front();
    queue.pop_front();
    Job& job = m_jobs.at(id);
    ++job.triesMade;
    return FedRequest{id, job.request};
}

void RetryingFetcher::finished(quint64 id, const HttpResult& result)
{
    m_pacing.observe(result);
    const auto place = m_jobs.find(id);
    if (m_stopped || place == m_jobs.end())
        return;
    Job& job = place->second;
    if (job.triesMade <= m_policy.backoff.size() && IsTransientFailure(result)) {
        const milliseconds wait = RetryAfterOf(result, m_policy.longestRetryAfter)
                                      .value_or(m_policy.backoff.value(job.triesMade - 1));
        job.notBefore = Clock::now() + wait;
        m_retries.push_back(id);
        return;
    }
    if (SaysSessionEnded(result) && CarriesSession(job.request) && !m_recovery.ended()) {
        m_sessionEnded.emplace_back(id, result);
        return;
    }
    settle(id, result);
}

void RetryingFetcher::settle(quint64 id, const HttpResult& result)
{
    const auto place = m_jobs.find(id);
    const Settled done = std::move(place->second.done);
    m_jobs.erase(place);
    if (done)
        done(result);
    ++m_settledCount;
    if (m_settled)
        m_settled();
}

bool RetryingFetcher::pending() const
{
    return !m_stopped && !(m_soon.empty() && m_later.empty() && m_retries.empty());
}
