#pragma once

#include "platform/HttpRequest.h"
#include "platform/HttpResult.h"

#include <QString>
#include <optional>

/** True only for the exact method text "GET"; every other text means POST. */
bool IsGetMethod(const QString& method);

/** The "Content-Type" header that declares a form-encoded request body. */
HttpHeader FormContentTypeHeader();

/** The shared procedure of the service's request operations: sends `body`
 *  (UTF-8) to `url` with exactly `headers`, within the service time-outs.
 *  Returns the answer when its status is 200. Otherwise shows the message
 *  itself ("Http错误代码:" + status, title "提示"; or "错误原因:" + the failure,
 *  title `failureTitle`) and returns nothing. */
std::optional<HttpResult> ExchangeWithService(const QString& method, const QString& url,
                                              const QString& body, QList<HttpHeader> headers,
                                              bool followRedirects, const QString& failureTitle);
