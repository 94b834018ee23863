#include "exchange.h"

#include "platform/Desktop.h"
#include "platform/HttpTransport.h"
#include "settings.h"

bool IsGetMethod(const QString& method)
{
    return method == QLatin1StringView("GET");
}

HttpHeader FormContentTypeHeader()
{
    return {QStringLiteral("Content-Type"), QStringLiteral("application/x-www-form-urlencoded")};
}

std::optional<HttpResult> ExchangeWithService(const QString& method, const QString& url,
                                              const QString& body, QList<HttpHeader> headers,
                                              bool followRedirects, const QString& failureTitle)
{
    HttpRequest request;
    request.method = IsGetMethod(method) ? HttpMethod::Get : HttpMethod::Post;
    request.url = url;
    request.headers = std::move(headers);
    request.body = body.toUtf8();
    request.followRedirects = followRedirects;
    request.timeouts = ServiceTimeouts();

    HttpResult result = SendHttpRequest(request);
    if (result.failed()) {
        CurrentDesktop().showMessage(QStringLiteral("错误原因:") + result.failure, failureTitle,
                                     Desktop::Icon::Information);
        return std::nullopt;
    }
    if (result.status != 200) {
        CurrentDesktop().showMessage(QStringLiteral("Http错误代码:") +
                                         QString::number(result.status),
                                     QStringLiteral("提示"), Desktop::Icon::Information);
        return std::nullopt;
    }
    return result;
}
