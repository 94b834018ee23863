#pragma once

#include <curl/curl.h>
#include <mutex>

/** The process's one cache of open connections (and resolved names): every transfer uses it,
 *  so a request to a host reuses a connection an earlier one left open. libcurl does not let
 *  several threads use one connection cache at the same moment, so threads take turns: a
 *  ConnectionLease holds the cache for the calling thread from its creation to its end (a
 *  request started while the thread waits, from a timer, nests), and every easy handle that
 *  uses the cache must be created and released while a lease is held. */
class ConnectionLease
{
public:
    ConnectionLease();
    ConnectionLease(const ConnectionLease&) = delete;
    ConnectionLease& operator=(const ConnectionLease&) = delete;

    /** The share handle to set as CURLOPT_SHARE; nullptr when libcurl could not make one
     *  (transfers then work, on connections of their own). */
    CURLSH* share() const { return m_share; }

private:
    std::unique_lock<std::recursive_mutex> m_lock;
    CURLSH* m_share;
};
