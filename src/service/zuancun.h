#pragma once

#include "platform/HttpRequest.h"

#include <QString>

/** Main site request with the session cookie (a file's download page). Synchronous;
 *  returns the answer's text as it stands, or empty after showing its own message.
 *  `method` "GET" (exactly) sends GET; any other text sends POST. */
QString SiteRequest(const QString& method, const QString& url, const QString& body);

/** The request SiteRequest sends, to send with others in a batch. An answer with status 200
 *  stands for its body as it is; any other result for ExchangeFailureText. */
HttpRequest SiteHttpRequest(const QString& method, const QString& url, const QString& body);
