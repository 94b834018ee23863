#pragma once

#include <QString>
#include <QStringView>
#include <optional>

/** The value of a number text as the JSON reader and the value conversions
 *  read it. Integer: optional sign and decimal digits, signed 64-bit. Double:
 *  text with ".", "e" or "E": optional sign, digits with at most one point
 *  (digits on at least one side), optional exponent with optional sign and
 *  digits. Anything else is Malformed; a value beyond the type is OutOfRange
 *  (a Double too small to represent reads as 0). */
struct NumberReading
{
    enum class Status
    {
        Integer,
        Double,
        Malformed,
        OutOfRange
    };

    Status status = Status::Malformed;
    qint64 integer = 0;
    double real = 0.0;
};

NumberReading ReadNumberText(QStringView text);

/** The strict reader: the whole text as a decimal number by the rules above,
 *  surrounding white space allowed; nothing when any part of it is not a
 *  number or the number is out of range. */
std::optional<double> StrictNumber(const QString& text);

/** The lenient reader: the text's leading numeric part ("45abc" reads 45,
 *  " 3.5" reads 3.5); 0 when there is none (the empty text included) or it
 *  is out of range. */
double LeadingNumber(const QString& text);

/** `value` in plain decimal, never in exponent notation: 12.0 gives "12",
 *  1e3 "1000", 0.5 "0.5" (the shortest text that reads back as `value`). */
QString PlainDecimal(double value);
