#pragma once

#include <curl/curl.h>

/** The process's one cache of open connections (and resolved names): every transfer uses it,
 *  so a request to a host reuses a connection an earlier one left open. libcurl does not support
 *  sharing connections between threads at once, even with locks, so the cache takes no lock: the
 *  transport runs on one thread (see HttpTransport.h). Made on first use and kept for the life of
 *  the process; nullptr when libcurl could not make one (transfers then work, on connections of
 *  their own). */
CURLSH* SharedConnectionCache();
