#pragma once

#include <QString>

/** The outcome of one request, as a value: either the answer (any status) or a failure. */
struct HttpResult
{
    int status = 0;
    QString body;           // decoded by the charset the answer declares, UTF-8 when none
    QString headers;        // the final answer's header lines as received, status line first
    QString failure;        // why no answer arrived; empty when one did
    bool transient = false; // a refused or cut-off connection or a time-out: a later try may do
    bool cancelled = false; // the caller's token or the user's Cancel ended it before an answer

    bool failed() const { return !failure.isEmpty(); }
};
