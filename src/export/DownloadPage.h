#pragma once

#include "platform/HttpRequest.h"

#include <QDateTime>
#include <QString>

// A file's download page on the main site, addressed by its pick code.

/** Whole seconds from 1970-01-01 00:00:00 to the local wall-clock time of `moment`, with no
 *  time-zone conversion: the Unix time plus the local offset from UTC. */
qint64 WallClockSeconds(const QDateTime& moment);
/** WallClockSeconds of now: the time parameter of the download page address. */
qint64 LocalEpochSeconds();

/** The download page address of `pickCode` (inserted unchanged), with a fresh time parameter. */
QString BuildDownloadPageUrl(const QString& pickCode);

/** The request FetchDownloadPage sends, to send with others in a batch. */
HttpRequest DownloadPageRequest(const QString& pickCode);

/** The download page of `pickCode` through SiteRequest; empty after a failed request (the
 *  request has shown its message) or when the page itself is empty. */
QString FetchDownloadPage(const QString& pickCode);
