#include "RetryingFetcher.h"

#include "platform/CancelToken.h"
#include "platform/HttpTransport.h"
#include "platform/ResponsiveWait.h"
#include "service/SessionEnd.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

using std::chrono::milliseconds;

constexpr milliseconds PauseSlice{20};

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
    return result.failed() ? result.transient : isTransientStatus(result.status);
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
    : m_cancel(cancel), m_policy(std::move(policy)), m_settled(std::move(settled))
{
}

bool RetryingFetcher::cancelled() const
{
    return m_cancel && m_cancel->isCancelled();
}

QList<HttpResult> RetryingFetcher::fetch(const QList<HttpRequest>& requests)
{
    QList<HttpRequest> sent = requests;
    QList<HttpResult> results(requests.size());
    std::vector<bool> settled(std::size_t(requests.size()), false);
    QList<qsizetype> pending(requests.size());
    std::iota(pending.begin(), pending.end(), qsizetype(0));
    const auto settle = [&](qsizetype index) {
        settled[std::size_t(index)] = true;
        if (m_settled)
            m_settled();
    };
    EndedSessionRecovery recovery;
    for (qsizetype attempt = 0; !pending.isEmpty() && !cancelled(); ++attempt) {
        const bool lastTry = attempt >= m_policy.backoff.size();
        QList<HttpRequest> batch;
        for (const qsizetype index : pending)
            batch.append(sent[index]);
        QList<qsizetype> again;
        QList<qsizetype> sessionEnded;
        std::optional<milliseconds> askedWait;
        const auto finished = [&](qsizetype place, const HttpResult& result) {
            const qsizetype index = pending[place];
            results[index] = result;
            if (SaysSessionEnded(result)) {
                sessionEnded.append(index);
                return;
            }
            if (!lastTry && IsTransientFailure(result)) {
                again.append(index);
                if (const auto wait = RetryAfterOf(result, m_policy.longestRetryAfter))
                    askedWait = std::max(askedWait.value_or(milliseconds(0)), *wait);
                return;
            }
            settle(index);
        };
        SendHttpBatch(batch, {m_cancel, finished, m_policy.requestsInFlight});
        // One silent sign-in serves every request the ended session refused; it is tried
        // after the batch, never inside a transfer.
        const bool renewed =
            !sessionEnded.isEmpty() &&
            recovery.sendAgain(sent[sessionEnded.first()], results[sessionEnded.first()]);
        for (const qsizetype index : sessionEnded) {
            if (!renewed) {
                settle(index);
                continue;
            }
            sent[index] = WithSessionCookie(sent[index]);
            again.append(index);
        }
        std::sort(again.begin(), again.end());
        pending = again;
        if (!pending.isEmpty())
            pause(askedWait.value_or(m_policy.backoff.value(attempt)));
    }
    for (qsizetype index = 0; index < results.size(); ++index) {
        if (!settled[std::size_t(index)]) {
            results[index] = HttpResult{};
            results[index].failure = QStringLiteral("已取消");
        }
    }
    return results;
}

void RetryingFetcher::pause(milliseconds duration) const
{
    ResponsiveWait wait(m_cancel != nullptr);
    QElapsedTimer timer;
    timer.start();
    while (!cancelled() && timer.elapsed() < duration.count()) {
        QThread::msleep(std::min<qint64>(PauseSlice.count(), duration.count() - timer.elapsed()));
        wait.pump();
    }
}
