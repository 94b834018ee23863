#include "SessionEnd.h"

#include "session.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

SessionRenewal* g_renewal = nullptr;

constexpr int EndedSessionErrorNumber = 990001;
// A refusal is a short JSON object; a listing that happens to hold the number is long.
constexpr qsizetype RefusalLengthLimit = 1024;

const QString CookieHeader = QStringLiteral("Cookie");

bool isRefusalWithNumber(const QString& body, int number)
{
    if (body.size() > RefusalLengthLimit)
        return false;
    static const QRegularExpression errorNumber(
        QStringLiteral(R"re(^\s*\{.*"errNo"\s*:\s*"?(\d+)"?)re"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = errorNumber.match(body);
    return match.hasMatch() && match.captured(1).toInt() == number;
}

} // namespace

SessionRenewal::~SessionRenewal() = default;

void SetSessionRenewal(SessionRenewal* renewal)
{
    g_renewal = renewal;
}

bool SaysSessionEnded(const HttpResult& result)
{
    if (result.failed())
        return false;
    return result.status == 403 ||
           (result.status == 200 && isRefusalWithNumber(result.body, EndedSessionErrorNumber));
}

bool CarriesSession(const HttpRequest& request)
{
    return std::any_of(request.headers.cbegin(), request.headers.cend(),
                       [](const HttpHeader& header) { return header.name == CookieHeader; });
}

HttpRequest WithSessionCookie(HttpRequest request)
{
    for (HttpHeader& header : request.headers) {
        if (header.name == CookieHeader)
            header.value = SessionCookie();
    }
    return request;
}

bool EndedSessionRecovery::sendAgain(const HttpRequest& request, const HttpResult& result)
{
    // Without a session nothing has ended: the answer stands as it is.
    if (!g_renewal || !SaysSessionEnded(result) || !CarriesSession(request) ||
        SessionCookie().isEmpty())
        return false;
    if (!m_renewed) {
        m_renewed = true;
        if (g_renewal->renew())
            return true;
    }
    if (!m_reported) {
        m_reported = true;
        g_renewal->reportEnded();
    }
    return false;
}
