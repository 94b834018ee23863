#include "endpoints.h"

#include <QUrl>

namespace {

struct Hosts
{
    QString login = QStringLiteral("passport.zorbel.example");
    QString webApi = QStringLiteral("web.zorbel.example");
    QString mainSite = QStringLiteral("www.zorbel.example");
    QString scheme = QStringLiteral("http");
    QString trustedCertificateFile;
};

Hosts& hosts()
{
    static Hosts current;
    return current;
}

QString addressOf(const QString& host)
{
    return hosts().scheme + QStringLiteral("://") + host;
}

} // namespace

void SetServiceBase(const QString& baseUrl)
{
    const QUrl url(baseUrl);
    QString host = url.host();
    if (url.port() != -1)
        host += QLatin1Char(':') + QString::number(url.port());
    Hosts& current = hosts();
    current.scheme = url.scheme().isEmpty() ? QStringLiteral("http") : url.scheme();
    current.login = current.webApi = current.mainSite = host;
}

void ResetServiceBase()
{
    hosts() = Hosts{};
}

void SetTrustedCertificateFile(const QString& pemFile)
{
    hosts().trustedCertificateFile = pemFile;
}

QString TrustedCertificateFile()
{
    return hosts().trustedCertificateFile;
}

QString LoginHost()
{
    return hosts().login;
}

QString LoginAddress()
{
    return addressOf(hosts().login) + QStringLiteral("/?ac=login");
}

QString WebApiAddress()
{
    return addressOf(hosts().webApi);
}

QString MainSiteHost()
{
    return hosts().mainSite;
}

QString MainSiteAddress()
{
    return addressOf(hosts().mainSite);
}

QString MainSiteRoot()
{
    return MainSiteAddress() + QLatin1Char('/');
}

QString AuthorPageAddress()
{
    return QStringLiteral("http://author.zorbel.example/");
}

QString HelpPageAddress()
{
    return QStringLiteral("http://www.zorbel.example/help/extraction-format.html");
}

QString ServiceUserAgent()
{
    return QStringLiteral("Mozilla/4.0(compatible;MSIE6.0;WindowsNT5.1;SV1;EmbeddedWB14.52from"
                          "http://www.embeddedwb.example/EmbeddedWB14.52;"
                          "Mozilla/4.0(compatible;MSIE6.0;WindowsNT5.1;SV1);"
                          ".NETCLR2.0.50727;.NET4.0C;.NET4.0E)");
}

QString LoginUserAgent()
{
    return QStringLiteral("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; .NET CLR 2.0.50727; "
                          ".NET4.0C; .NET4.0E)");
}
