#include "RequestPacing.h"

#include <algorithm>

RequestPacing::RequestPacing(int limit) : m_limit(std::max(1, limit)), m_inFlight(m_limit) {}

void RequestPacing::observe(const HttpResult& result)
{
    if (result.failed())
        return;
    if (result.status == 429 || result.status == 503) {
        m_inFlight = std::max(1, m_inFlight / 2);
        m_calmAnswers = 0;
        return;
    }
    if (++m_calmAnswers < AnswersPerStep)
        return;
    m_calmAnswers = 0;
    m_inFlight = std::min(m_limit, m_inFlight + 1);
}
