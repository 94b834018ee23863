#pragma once

#include <QString>

/** Main site request with the session cookie (a file's download page). Synchronous;
 *  returns the answer's text as it stands, or empty after showing its own message.
 *  `method` "GET" (exactly) sends GET; any other text sends POST. */
QString SiteRequest(const QString& method, const QString& url, const QString& body);
