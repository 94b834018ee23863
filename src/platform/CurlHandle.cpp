#include "CurlHandle.h"

#include <utility>

CurlHandle::CurlHandle()
    : m_curl(curl_easy_init()), m_error(std::make_unique<char[]>(CURL_ERROR_SIZE))
{
    if (m_curl)
        curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_error.get());
}

CurlHandle::~CurlHandle()
{
    release();
}

CurlHandle::CurlHandle(CurlHandle&& other) noexcept
    : m_curl(std::exchange(other.m_curl, nullptr)),
      m_headers(std::exchange(other.m_headers, nullptr)), m_error(std::move(other.m_error))
{
}

CurlHandle& CurlHandle::operator=(CurlHandle&& other) noexcept
{
    if (this != &other) {
        release();
        m_curl = std::exchange(other.m_curl, nullptr);
        m_headers = std::exchange(other.m_headers, nullptr);
        m_error = std::move(other.m_error);
    }
    return *this;
}

bool CurlHandle::appendHeader(const char* line)
{
    curl_slist* extended = curl_slist_append(m_headers, line);
    if (!extended)
        return false;
    m_headers = extended;
    return true;
}

void CurlHandle::applyHeaders()
{
    curl_easy_setopt(m_curl, CURLOPT_HTTPHEADER, m_headers);
}

void CurlHandle::release()
{
    if (m_curl)
        curl_easy_cleanup(m_curl);
    curl_slist_free_all(m_headers);
    m_curl = nullptr;
    m_headers = nullptr;
}
