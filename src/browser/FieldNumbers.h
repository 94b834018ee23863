#pragma once

#include <QString>
#include <optional>

// How the browser reads the numbers its text fields hold.

/** The text's leading numeric part ("45abc" reads 45, " 3.5" reads 3.5); 0 when
 *  there is none, the empty text included. */
double LeadingNumber(const QString& text);

/** The whole text as a decimal number, surrounding white space allowed; nothing
 *  when any part of it is not a number or the number is out of range. */
std::optional<double> StrictNumber(const QString& text);
