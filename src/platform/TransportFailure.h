#pragma once

#include <QString>
#include <curl/curl.h>

/** How far a failed exchange got, which decides what a failure code blames. */
enum class TransferStage
{
    NothingSent,     // the failure came before a byte of the request went out
    RequestSent,     // the request went out; the reply is at fault
    RedirectReceived // a redirect arrived and following it failed
};

/** What went wrong, in the user's words, for a curl failure code at `stage`. */
QString TransportFailureReason(CURLcode code, TransferStage stage);
