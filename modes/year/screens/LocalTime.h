#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>

// A local date and time as the user types it, and the instant it names in a time zone, with a
// word where the clocks make it ambiguous: a time skipped when they go forward, or one that
// comes twice when they go back.

// "2026-06-21 12:30", with or without seconds, a "T" in place of the blank; none for any other
// text or an impossible date or time.
std::optional<std::pair<QDate, QTime>> ReadLocalDateTime(const QString& text);

struct LocalInstant {
    QDateTime utc;
    QString note;  // empty unless the clocks change over this time
};

// In a gap the time is taken as if the clocks had not yet gone forward (02:28 becomes 03:28
// of the new offset); in an overlap, as the first of the two.
LocalInstant InstantOf(QDate date, QTime time, const QTimeZone& zone);
