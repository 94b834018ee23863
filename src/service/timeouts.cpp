#include "timeouts.h"

namespace {
HttpTimeouts& current()
{
    static HttpTimeouts timeouts;
    return timeouts;
}
} // namespace

HttpTimeouts ServiceTimeouts()
{
    return current();
}

void SetServiceTimeouts(const HttpTimeouts& timeouts)
{
    current() = timeouts;
}

void ResetServiceTimeouts()
{
    current() = HttpTimeouts{};
}
