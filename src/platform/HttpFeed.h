#pragma once

#include "HttpRequest.h"
#include "HttpResult.h"

#include <optional>

/** One request a feed hands to a running batch, with the number the feed knows its answer by. */
struct FedRequest
{
    quint64 id = 0;
    HttpRequest request;
};

/** Where a running batch takes its requests from, one each time a place is free, and where it
 *  hands back their answers: so the work can grow while the batch runs (an answer leads to
 *  further requests) and the number in flight can change between two starts. Called on the
 *  batch's thread only. */
class HttpFeed
{
public:
    virtual ~HttpFeed() = default;

    /** Requests in flight at once, at most, from now on (kept to 1..RequestsInFlightLimit);
     *  asked before every start. */
    virtual int requestsInFlight() const = 0;
    /** The request to start now; nothing when none is ready yet (the batch asks again within a
     *  few tens of milliseconds, or after the next answer). */
    virtual std::optional<FedRequest> next() = 0;
    /** Request `id` ended with `result`; called in the order they end. */
    virtual void finished(quint64 id, const HttpResult& result) = 0;
    /** Whether more requests may still come, now or later. */
    virtual bool pending() const = 0;
    /** Whether the answers still to come are of no more use: the batch then aborts what is in
     *  flight and ends. */
    virtual bool abandoned() const { return false; }
};
