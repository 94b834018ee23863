#pragma once

#include <QDateTime>
#include <QString>

/** Every byte of the text's UTF-8 form as "%" and two upper-case hexadecimal
 *  digits, letters and digits included; empty for an empty text. */
QString EncodeUtf8Percent(const QString& text);

/** 1970-01-01 00:00:00 plus `value` seconds plus `zoneHours` hours, as a local
 *  wall-clock value (no zone conversion), to the nearest second; a wall-clock
 *  time that the local zone skips (daylight saving) comes as a UTC value with
 *  the same fields. A `value` that is empty or not a number, or a result beyond
 *  the years 1 to 9999, gives the current local date-time; `zoneHours` that are
 *  not a number count as 0. */
QDateTime UnixSecondsToDate(const QString& value, const QString& zoneHours);

/** "2012-8-6 9:05:07": no leading zeros in month, day and hour; midnight shows
 *  the date alone ("2012-8-6"). Empty for an invalid date-time. */
QString DateTimeText(const QDateTime& dateTime);
