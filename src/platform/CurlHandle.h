#pragma once

#include <curl/curl.h>
#include <memory>

/** Owns one curl easy handle, its request header list and its error buffer;
 *  frees all of them when destroyed. Move-only. A handle that could not be
 *  created tests false. */
class CurlHandle
{
public:
    CurlHandle();
    ~CurlHandle();

    CurlHandle(CurlHandle&& other) noexcept;
    CurlHandle& operator=(CurlHandle&& other) noexcept;
    CurlHandle(const CurlHandle&) = delete;
    CurlHandle& operator=(const CurlHandle&) = delete;

    explicit operator bool() const { return m_curl != nullptr; }
    CURL* get() const { return m_curl; }

    /** Appends one raw header line ("Name: value") to the list; false when out of memory. */
    bool appendHeader(const char* line);
    /** Hands the header list to the handle (CURLOPT_HTTPHEADER). */
    void applyHeaders();
    /** curl's description of the last failure; may be empty. */
    const char* errorText() const { return m_error.get(); }

private:
    void release();

    CURL* m_curl = nullptr;
    curl_slist* m_headers = nullptr;
    std::unique_ptr<char[]> m_error;
};
