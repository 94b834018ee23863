#pragma once

#include "HttpRequest.h"
#include "HttpResult.h"

/** The largest response body accepted; a larger answer is a failure. */
inline constexpr qsizetype MaxResponseBodyBytes = 64 * 1024 * 1024;

/** Prepares the HTTP library for the whole process. The program's main() calls
 *  it before any request; calling it again, or from several threads, is safe,
 *  and SendHttpRequest calls it too. */
void InitializeHttpTransport();

/** Sends one request on a connection of its own and waits for the answer,
 *  keeping the window alive meanwhile (see RunResponsively). The wire carries
 *  the request's headers in their order plus only Host (when none is given)
 *  and Content-Length (with a body). Never throws: a header or address that
 *  would break the request line, a network failure, a time-out or an oversized
 *  answer comes back as HttpResult::failure, and nothing is sent for the first. */
HttpResult SendHttpRequest(const HttpRequest& request);
