#pragma once

#include "platform/HttpRequest.h"
#include "platform/HttpResult.h"

#include <QString>
#include <optional>

/** True only for the exact method text "GET"; every other text means POST. */
bool IsGetMethod(const QString& method);

/** The "Content-Type" header that declares a form-encoded request body. */
HttpHeader FormContentTypeHeader();

/** The request the service's request operations send: `body` (UTF-8) to `url` with exactly
 *  `headers`, within the service time-outs. */
HttpRequest BuildServiceRequest(const QString& method, const QString& url, const QString& body,
                                QList<HttpHeader> headers, bool followRedirects);

/** What the user is told when `result` is not an answer with status 200: "Http错误代码:" and
 *  the status, or "错误原因:" and what failed (TransportFailureText). Empty for a status-200
 *  answer. */
QString ExchangeFailureText(const HttpResult& result);

/** Shows ExchangeFailureText of `result` with the information icon, titled "提示" for a
 *  status and `failureTitle` for a failure; does nothing for a status-200 answer or a request
 *  the user cancelled. Returns whether it was a status-200 answer. */
bool AcceptExchange(const HttpResult& result, const QString& failureTitle);

/** The shared procedure of the service's request operations: sends the request and returns
 *  the answer when its status is 200; otherwise shows the message itself (AcceptExchange) and
 *  returns nothing. */
std::optional<HttpResult> ExchangeWithService(const QString& method, const QString& url,
                                              const QString& body, QList<HttpHeader> headers,
                                              bool followRedirects, const QString& failureTitle);
