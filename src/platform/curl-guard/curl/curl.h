#pragma once
// Found before the system's curl header by every target that links the
// platform library: libcurl is the platform layer's own business, and the
// layers above reach the network through HttpTransport. A benchmark that
// times a bare transfer for comparison defines ZORBEL_BARE_CURL.
#pragma GCC system_header
#ifndef ZORBEL_BARE_CURL
#error "libcurl is private to the platform layer; use platform/HttpTransport.h"
#endif
#include_next <curl/curl.h>
