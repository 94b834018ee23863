#include "qita.h"

#include "text/NumberText.h"

#include <cmath>
#include <optional>

namespace {

// Seconds from 1970-01-01 to the first and the last second of the years 1 to 9999.
constexpr double EarliestSeconds = -62135596800.0;
constexpr double LatestSeconds = 253402300799.0;

QString twoDigits(int number)
{
    return QString::number(number).rightJustified(2, u'0');
}

} // namespace

QString EncodeUtf8Percent(const QString& text)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const QByteArray bytes = text.toUtf8();
    QString encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        encoded.append(u'%');
        encoded.append(QLatin1Char(digits[byte >> 4]));
        encoded.append(QLatin1Char(digits[byte & 0xf]));
    }
    return encoded;
}

QDateTime UnixSecondsToDate(const QString& value, const QString& zoneHours)
{
    const std::optional<double> seconds = StrictNumber(value);
    if (!seconds)
        return QDateTime::currentDateTime();
    const double total = *seconds + StrictNumber(zoneHours).value_or(0.0) * 3600.0;
    if (!(total >= EarliestSeconds && total <= LatestSeconds))
        return QDateTime::currentDateTime();
    // Counted on a zone without daylight saving, so the wall-clock fields are exact.
    const QDateTime wallClock = QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC)
                                    .addSecs(static_cast<qint64>(std::llround(total)));
    const QDateTime local(wallClock.date(), wallClock.time(), Qt::LocalTime);
    // The hour that daylight saving skips has no local time; the wall-clock
    // fields still hold, so keep them on a zone-less value.
    return local.isValid() ? local : wallClock;
}

QString DateTimeText(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return {};
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    const QString dateText =
        QStringLiteral("%1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day());
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return dateText;
    return dateText + QStringLiteral(" %1:%2:%3")
                          .arg(time.hour())
                          .arg(twoDigits(time.minute()), twoDigits(time.second()));
}
