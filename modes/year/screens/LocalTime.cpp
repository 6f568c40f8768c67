#include "modes/year/screens/LocalTime.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace {

QString OffsetText(int seconds) {
    const int minutes = std::abs(seconds) / 60;
    return QString("UTC%1%2:%3")
        .arg(seconds < 0 ? '-' : '+')
        .arg(minutes / 60, 2, 10, QChar('0'))
        .arg(minutes % 60, 2, 10, QChar('0'));
}

}  // namespace

std::optional<std::pair<QDate, QTime>> ReadLocalDateTime(const QString& text) {
    const QStringList parts = text.trimmed().split(QRegularExpression("[ T]+"));
    if (parts.size() != 2)
        return std::nullopt;
    const QDate date = QDate::fromString(parts[0], "yyyy-MM-dd");
    QTime time = QTime::fromString(parts[1], "HH:mm:ss");
    if (!time.isValid())
        time = QTime::fromString(parts[1], "HH:mm");
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return std::pair{date, time};
}

LocalInstant InstantOf(QDate date, QTime time, const QTimeZone& zone) {
    const QDateTime asUtc(date, time, QTimeZone::utc());
    // The offsets in force around the time; each that maps the time back to itself is a reading.
    std::vector<int> offsets = {zone.offsetFromUtc(asUtc.addDays(-1)), zone.offsetFromUtc(asUtc),
                                zone.offsetFromUtc(asUtc.addDays(1))};
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    std::vector<QDateTime> readings;
    for (const int offset : offsets) {
        const QDateTime utc = asUtc.addSecs(-offset);
        if (zone.offsetFromUtc(utc) == offset)
            readings.push_back(utc);
    }
    std::sort(readings.begin(), readings.end());
    const QString local = QDateTime(date, time, QTimeZone::utc()).toString("yyyy-MM-dd HH:mm");
    const QString name = QString::fromUtf8(zone.id());
    if (readings.size() == 1)
        return {readings.front(), {}};
    if (readings.size() > 1) {
        return {readings.front(), local + " occurs twice on this day in " + name +
                                      "; taken as the first, at " +
                                      OffsetText(zone.offsetFromUtc(readings.front())) + "."};
    }
    // Skipped: read with the offset before the change, which the clocks then left behind.
    const int before = zone.offsetFromUtc(asUtc.addDays(-1));
    const QDateTime utc = asUtc.addSecs(-before);
    const int after = zone.offsetFromUtc(utc);
    return {utc,
            local + " does not exist in " + name + ": the clocks go forward over it; taken as " +
                utc.toOffsetFromUtc(after).toString("HH:mm") + " (" + OffsetText(after) + ")."};
}
