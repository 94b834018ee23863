#pragma once

#include "platform/HttpResult.h"

/** How many requests an operation keeps in flight, learnt from the service's answers: after a
 *  429 or 503 (the service asking for less) half as many, never fewer than one; after every
 *  AnswersPerStep answers without either, one more, up to the limit the operation was given.
 *  One per operation, so what it learnt holds for the rest of it. */
class RequestPacing
{
public:
    static constexpr int AnswersPerStep = 10;

    explicit RequestPacing(int limit);

    /** Requests in flight at once, at most, now. */
    int requestsInFlight() const { return m_inFlight; }
    /** Takes in one request's outcome; a failure without an answer changes nothing. */
    void observe(const HttpResult& result);

private:
    int m_limit;
    int m_inFlight;
    int m_calmAnswers = 0;
};
