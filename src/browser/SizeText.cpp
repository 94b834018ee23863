#include "SizeText.h"

#include "text/JSON.h"
#include "text/NumberText.h"

#include <cmath>
#include <optional>

namespace {

/** The byte count a size member holds; nothing when it holds no number. */
std::optional<double> byteCount(const JsonValue& bytes)
{
    switch (bytes.kind()) {
    case JsonKind::Integer:
        return static_cast<double>(bytes.toInteger());
    case JsonKind::Double:
        return bytes.toDouble();
    case JsonKind::String:
        return StrictNumber(bytes.toString());
    default:
        return std::nullopt;
    }
}

/** `bytes / unit` rounded half away from zero to two places, with `suffix`: "1.50K". */
QString scaledText(double bytes, double unit, QChar suffix)
{
    const auto hundredths = static_cast<qint64>(std::round(bytes / unit * 100));
    return QStringLiteral("%1.%2%3")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'))
        .arg(suffix);
}

} // namespace

QString SizeText(const JsonValue& bytes)
{
    if (bytes.kind() == JsonKind::Empty || bytes.kind() == JsonKind::Null)
        return QStringLiteral("B");
    const std::optional<double> size = byteCount(bytes);
    if (!size)
        return QString();
    constexpr double kibi = 1024;
    if (*size < kibi)
        return PlainDecimal(*size) + QLatin1Char('B');
    if (*size < kibi * kibi)
        return scaledText(*size, kibi, QLatin1Char('K'));
    if (*size < kibi * kibi * kibi)
        return scaledText(*size, kibi * kibi, QLatin1Char('M'));
    if (*size < kibi * kibi * kibi * kibi)
        return scaledText(*size, kibi * kibi * kibi, QLatin1Char('G'));
    return QString();
}
