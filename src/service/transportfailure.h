#pragma once

#include "platform/HttpResult.h"

#include <QString>

/** What went wrong, in the user's words, for a failed `result`: the cause at its stage, then the
 *  HTTP library's own words in brackets when it has some ("已取消" for a cancelled request).
 *  Empty when an answer arrived. */
QString TransportFailureText(const HttpResult& result);
