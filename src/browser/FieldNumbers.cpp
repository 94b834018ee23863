#include "FieldNumbers.h"

#include "text/NumberText.h"

#include <QRegularExpression>

double LeadingNumber(const QString& text)
{
    static const QRegularExpression leadingNumber(
        QStringLiteral(R"(^\s*[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (!match.hasMatch())
        return 0;
    return StrictNumber(match.captured()).value_or(0);
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
