#pragma once

#include "platform/HttpRequest.h"

/** The phase limits every service request uses: 50000 ms each. */
HttpTimeouts ServiceTimeouts();
/** Replaces the limits, so tests need not wait 50 s for a time-out. The program never calls it. */
void SetServiceTimeouts(const HttpTimeouts& timeouts);
/** Back to 50000 ms each. */
void ResetServiceTimeouts();
