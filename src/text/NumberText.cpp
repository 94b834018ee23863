#include "NumberText.h"

#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace {
using Status = NumberReading::Status;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isSign(QChar c)
{
    return c == u'+' || c == u'-';
}

bool looksLikeDouble(QStringView text)
{
    for (QChar c : text) {
        if (c == u'.' || c == u'e' || c == u'E')
            return true;
    }
    return false;
}

NumberReading readInteger(QStringView text)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (!text.isEmpty() && isSign(text[0]))
        ++i;
    if (i == text.size())
        return {};
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    quint64 magnitude = 0;
    bool overflow = false;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return {};
        const unsigned digit = text[i].unicode() - u'0';
        if (magnitude > (limit - digit) / 10)
            overflow = true;
        else
            magnitude = magnitude * 10 + digit;
    }
    if (overflow)
        return {Status::OutOfRange};
    NumberReading reading{Status::Integer};
    reading.integer = negative ? qint64(0 - magnitude) : qint64(magnitude);
    return reading;
}

// Decimal shape of a Double text, found while checking that it is well formed.
struct DoubleShape
{
    bool hasNonZeroDigit = false;
    qint64 decimalExponent = 0; // exponent of the first non-zero digit, saturated
};

// Reads an optional sign and one or more digits from `i`; saturates large values.
bool readExponent(QStringView text, qsizetype i, qint64& exponent)
{
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && isSign(text[i]))
        ++i;
    if (i == text.size())
        return false;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        value = std::min<qint64>(value * 10 + (text[i].unicode() - u'0'), 1'000'000'000);
    }
    exponent = negative ? -value : value;
    return true;
}

bool readDoubleShape(QStringView text, DoubleShape& shape)
{
    qsizetype i = !text.isEmpty() && isSign(text[0]) ? 1 : 0;
    qsizetype digits = 0;
    qsizetype leadingPlaces = 0; // digit places before the first non-zero digit
    qsizetype integerPlaces = 0;
    bool seenPoint = false;
    for (; i < text.size() && text[i] != u'e' && text[i] != u'E'; ++i) {
        const QChar c = text[i];
        if (c == u'.') {
            if (seenPoint)
                return false;
            seenPoint = true;
            continue;
        }
        if (!isDigit(c))
            return false;
        ++digits;
        if (!seenPoint)
            ++integerPlaces;
        if (c != u'0')
            shape.hasNonZeroDigit = true;
        else if (!shape.hasNonZeroDigit)
            ++leadingPlaces;
    }
    if (digits == 0)
        return false;
    qint64 exponent = 0;
    if (i < text.size() && !readExponent(text, i + 1, exponent))
        return false;
    shape.decimalExponent = exponent + integerPlaces - leadingPlaces - 1;
    return true;
}

NumberReading readDouble(QStringView text)
{
    DoubleShape shape;
    if (!readDoubleShape(text, shape))
        return {};
    std::string ascii;
    ascii.reserve(text.size());
    for (QChar c : text.mid(!text.isEmpty() && text[0] == u'+' ? 1 : 0))
        ascii.push_back(char(c.unicode()));
    NumberReading reading{Status::Double};
    const auto [end, error] =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), reading.real);
    if (error == std::errc::result_out_of_range) {
        if (shape.decimalExponent > 0)
            return {Status::OutOfRange};
        reading.real = text[0] == u'-' ? -0.0 : 0.0;
    } else if (error != std::errc() || end != ascii.data() + ascii.size()) {
        return {};
    }
    return reading;
}

// Most numbers are a few digits, perhaps with a minus sign: one pass reads them.
bool readShortInteger(QStringView text, qint64& value)
{
    const bool negative = !text.isEmpty() && text[0] == u'-';
    const qsizetype first = negative ? 1 : 0;
    if (text.size() == first || text.size() - first > 18)
        return false;
    qint64 magnitude = 0;
    for (qsizetype i = first; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
    }
    value = negative ? -magnitude : magnitude;
    return true;
}
} // namespace

NumberReading ReadNumberText(QStringView text)
{
    NumberReading reading{Status::Integer};
    if (readShortInteger(text, reading.integer))
        return reading;
    return looksLikeDouble(text) ? readDouble(text) : readInteger(text);
}

QString PlainDecimal(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0
    char buffer[400]; // the longest fixed shortest form of a double has 326 characters
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

std::optional<double> StrictNumber(const QString& text)
{
    const NumberReading reading = ReadNumberText(QStringView(text).trimmed());
    switch (reading.status) {
    case NumberReading::Status::Integer:
        return static_cast<double>(reading.integer);
    case NumberReading::Status::Double:
        return reading.real;
    default:
        return std::nullopt;
    }
}

double LeadingNumber(const QString& text)
{
    static const QRegularExpression leadingNumber(
        QStringLiteral(R"(^\s*[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (!match.hasMatch())
        return 0;
    return StrictNumber(match.captured()).value_or(0);
}
