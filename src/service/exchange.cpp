#include "exchange.h"

#include "SessionEnd.h"
#include "endpoints.h"
#include "platform/Desktop.h"
#include "platform/HttpTransport.h"
#include "settings.h"
#include "transportfailure.h"

#include <QCoreApplication>

bool IsGetMethod(const QString& method)
{
    return method == QLatin1StringView("GET");
}

HttpHeader FormContentTypeHeader()
{
    return {QStringLiteral("Content-Type"), QStringLiteral("application/x-www-form-urlencoded")};
}

HttpRequest BuildServiceRequest(const QString& method, const QString& url, const QString& body,
                                QList<HttpHeader> headers, bool followRedirects)
{
    HttpRequest request;
    request.method = IsGetMethod(method) ? HttpMethod::Get : HttpMethod::Post;
    request.url = url;
    request.headers = std::move(headers);
    request.body = body.toUtf8();
    request.followRedirects = followRedirects;
    request.timeouts = ServiceTimeouts();
    request.extraCertificateFile = TrustedCertificateFile();
    return request;
}

QString ExchangeFailureText(const HttpResult& result)
{
    if (result.failed())
        return QCoreApplication::translate("exchange", "错误原因:%1")
            .arg(TransportFailureText(result));
    if (result.status != 200)
        return QCoreApplication::translate("exchange", "Http错误代码:%1").arg(result.status);
    return {};
}

bool AcceptExchange(const HttpResult& result, const QString& failureTitle)
{
    const QString text = ExchangeFailureText(result);
    if (text.isEmpty())
        return true;
    // The user asked for the end; telling them of it again would only be in the way.
    if (result.failure == HttpFailure::Cancelled)
        return false;
    CurrentDesktop().showMessage(
        text, result.failed() ? failureTitle : QCoreApplication::translate("exchange", "提示"),
        Desktop::Icon::Information);
    return false;
}

std::optional<HttpResult> ExchangeWithService(const QString& method, const QString& url,
                                              const QString& body, QList<HttpHeader> headers,
                                              bool followRedirects, const QString& failureTitle)
{
    const HttpRequest request =
        BuildServiceRequest(method, url, body, std::move(headers), followRedirects);
    HttpResult result = SendHttpRequest(request);
    EndedSessionRecovery recovery;
    if (recovery.sendAgain(request, result)) {
        result = SendHttpRequest(WithSessionCookie(request));
        recovery.sendAgain(request, result);
    }
    // The renewal has told the user that the session ended; a status message would repeat it.
    if (recovery.ended() || !AcceptExchange(result, failureTitle))
        return std::nullopt;
    return result;
}
