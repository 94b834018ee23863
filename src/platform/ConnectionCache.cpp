#include "ConnectionCache.h"

CURLSH* SharedConnectionCache()
{
    // Its open connections are the point, so it is never cleaned up.
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
