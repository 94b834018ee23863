#include "service/httpxml.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

// Service text reaches UnescapeText and ExtractSetCookie unchecked. Beyond
// crashes, this checks what callers rely on: decoding at most doubles a text,
// text without escape starts is left alone, and a cookie is a piece of one
// header line.

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkUnescape(const QString& text)
{
    const QString decoded = UnescapeText(text);
    require(decoded.size() <= 2 * text.size());
    if (!text.contains(u'\\') && !text.contains(u'%'))
        require(decoded == text);
}

void checkCookie(const QString& headers)
{
    const QString cookie = ExtractSetCookie(headers, QStringLiteral("OOFA"));
    if (cookie.isEmpty())
        return;
    require(cookie.startsWith(QStringLiteral("OOFA")));
    require(!cookie.contains(u'\r') && !cookie.contains(u'\n') && !cookie.contains(u';'));
    require(headers.contains(QStringLiteral("Set-Cookie: ") + cookie));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // As the transport hands it over: UTF-8 decoded text.
    const QString utf8 =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkUnescape(utf8);
    checkCookie(utf8);

    // As raw UTF-16 units, to reach unpaired surrogates and every code unit.
    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    const QString utf16 = QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
    checkUnescape(utf16);
    checkCookie(utf16);
    return 0;
}
