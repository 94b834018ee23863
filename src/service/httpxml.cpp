#include "httpxml.h"

#include "endpoints.h"
#include "exchange.h"
#include "session.h"
#include "text/HexDigits.h"

namespace {

QList<HttpHeader> serviceHeaders(const QString& method)
{
    QList<HttpHeader> headers;
    if (!IsGetMethod(method))
        headers.append(FormContentTypeHeader());
    headers.append(
        {{QStringLiteral("Accept"),
          QStringLiteral("application/x-shockwave-flash,image/gif,image/x-xbitmap,image/jpeg,"
                         "image/pjpeg,application/vnd.ms-excel,application/vnd.ms-powerpoint,"
                         "application/msword,application/xaml+xml,application/x-ms-xbap,"
                         "application/x-ms-application,*/*")},
         {QStringLiteral("Referer"), MainSiteRoot()},
         {QStringLiteral("Accept-Language"), QStringLiteral("zh-cn")},
         {QStringLiteral("User-Agent"), ServiceUserAgent()},
         {QStringLiteral("Connection"), QStringLiteral("Keep-Alive")},
         {QStringLiteral("Cookie"), SessionCookie()}});
    return headers;
}

QList<HttpHeader> loginHeaders()
{
    return {{QStringLiteral("Host"), LoginHost()},
            FormContentTypeHeader(),
            {QStringLiteral("User-Agent"), LoginUserAgent()}};
}

/** The value of `count` hexadecimal digits at `digits`, or -1 when one is not a digit. */
int hexRun(const QChar* digits, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const int digit = HexDigitValue(digits[i].unicode());
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

HttpRequest ServiceHttpRequest(const QString& method, const QString& url, const QString& body)
{
    return ServiceExchange(method, url, body, serviceHeaders(method), true);
}

QString ServiceRequest(const QString& method, const QString& url, const QString& body)
{
    const auto answer = ExchangeWithService(method, url, body, serviceHeaders(method), true,
                                            QStringLiteral("提示"));
    return answer ? UnescapeText(answer->body) : QString();
}

QString LoginRequest(const QString& method, const QString& url, const QString& body)
{
    const auto answer =
        ExchangeWithService(method, url, body, loginHeaders(), false, QStringLiteral("提示1"));
    if (!answer)
        return {};
    const QString cookie = ExtractSetCookie(answer->headers, QStringLiteral("OOFA"));
    return cookie.isEmpty() ? QStringLiteral("false") : cookie;
}

QString UnescapeText(const QString& text)
{
    const qsizetype n = text.size();
    const QChar* in = text.constData();
    // Every escape shrinks, so the output never outgrows the input.
    QString out(n, Qt::Uninitialized);
    QChar* write = out.data();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = in[i];
        if (c == u'\\' && i + 6 <= n && in[i + 1] == u'u') {
            if (const int unit = hexRun(in + i + 2, 4); unit >= 0) {
                *write++ = QChar(static_cast<char16_t>(unit));
                i += 6;
                continue;
            }
        } else if (c == u'%' && i + 3 <= n) {
            if (const int code = hexRun(in + i + 1, 2); code >= 0) {
                *write++ = QChar(static_cast<char16_t>(code));
                i += 3;
                continue;
            }
        }
        *write++ = c;
        ++i;
    }
    out.truncate(write - out.constData());
    return out;
}

QString ExtractSetCookie(const QString& headers, const QString& name)
{
    const QString marker = QStringLiteral("Set-Cookie: ");
    const qsizetype found = headers.indexOf(marker + name);
    if (found < 0)
        return {};
    const qsizetype start = found + marker.size();
    qsizetype end = start;
    while (end < headers.size() && headers[end] != u';' && headers[end] != u'\r' &&
           headers[end] != u'\n')
        ++end;
    return headers.mid(start, end - start);
}
