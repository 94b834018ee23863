#pragma once

#include "platform/HttpRequest.h"

#include <QString>

// Requests to the service's web API and login endpoint. Each is synchronous and
// never fails towards its caller: it shows its own message and returns an empty
// text. `method` "GET" (exactly) sends GET; any other text sends POST.

/** Web API request with the session cookie; the answer's text after UnescapeText, or empty. */
QString ServiceRequest(const QString& method, const QString& url, const QString& body);
/** The request ServiceRequest sends, to send with others in a batch. An answer with status
 *  200 stands for UnescapeText of its body; any other result for ExchangeFailureText. */
HttpRequest ServiceHttpRequest(const QString& method, const QString& url, const QString& body);
/** The request LoginRequest sends, to send without its messages; its cookie is
 *  ExtractSetCookie of the answer's headers and "OOFA". */
HttpRequest LoginHttpRequest(const QString& method, const QString& url, const QString& body);
/** Login request, redirects not followed; the "OOFA" cookie text, "false" when the
 *  answer sets none, or empty when the request failed. */
QString LoginRequest(const QString& method, const QString& url, const QString& body);

/** Decodes "\uXXXX" into one UTF-16 code unit and "%XX" into the character of that
 *  code, in one pass; decoded text is not scanned again, incomplete escapes stay. A
 *  quotation mark, backslash or control character decoded inside a JSON string becomes
 *  the JSON escape for it (\", \\, \u000a), so that the string still holds it and ends
 *  where it did; the text's own quotation marks and backslashes decide where strings are. */
QString UnescapeText(const QString& text);
/** The cookie set by the first "Set-Cookie: " + `name` line: name, "=" and value, up
 *  to the first ";" or the end of that line; empty when there is no such line. */
QString ExtractSetCookie(const QString& headers, const QString& name);
