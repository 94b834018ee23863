#include "DownloadPage.h"

#include "service/endpoints.h"
#include "service/zuancun.h"

qint64 WallClockSeconds(const QDateTime& moment)
{
    const QDateTime local = moment.toLocalTime();
    const QDateTime wallClock(local.date(), local.time(), Qt::UTC);
    return wallClock.toSecsSinceEpoch();
}

qint64 LocalEpochSeconds()
{
    return WallClockSeconds(QDateTime::currentDateTime());
}

QString BuildDownloadPageUrl(const QString& pickCode)
{
    return MainSiteRoot() + QStringLiteral("?ct=pickcode&ac=download&pickcode=") + pickCode +
           QStringLiteral("&_t=") + QString::number(LocalEpochSeconds());
}

HttpRequest DownloadPageRequest(const QString& pickCode)
{
    return SiteHttpRequest(QStringLiteral("GET"), BuildDownloadPageUrl(pickCode), QString());
}

QString FetchDownloadPage(const QString& pickCode)
{
    return SiteRequest(QStringLiteral("GET"), BuildDownloadPageUrl(pickCode), QString());
}
