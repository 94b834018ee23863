#include "ConnectionCache.h"

namespace {

std::recursive_mutex& cacheMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

// Made on first use and kept for the life of the process: its open connections are the point.
CURLSH* processShare()
{
    static CURLSH* const share = [] {
        CURLSH* made = curl_share_init();
        if (made) {
            curl_share_setopt(made, CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT);
            curl_share_setopt(made, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
        }
        return made;
    }();
    return share;
}

} // namespace

ConnectionLease::ConnectionLease() : m_lock(cacheMutex()), m_share(processShare()) {}
