#pragma once

#include "platform/HttpRequest.h"

// The service's process-wide settings: the session cookie (session.h), the
// service base and the certificates trusted for it (endpoints.h) and the phase
// limits of every request, with one reset for all of them.

/** The phase limits every service request uses: 50000 ms each. */
HttpTimeouts ServiceTimeouts();
/** Replaces the limits, so tests need not wait 50 s for a time-out. The program never calls it. */
void SetServiceTimeouts(const HttpTimeouts& timeouts);

/** Signed out, the built-in hosts, the default limits and no session renewal: the state at
 *  start. */
void ResetServiceSettings();
