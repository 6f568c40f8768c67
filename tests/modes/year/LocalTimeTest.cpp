#include "modes/year/screens/LocalTime.h"

#include <gtest/gtest.h>

namespace {

TEST(LocalTime, EveryTypedFieldCounts) {
    const struct {
        const char* text;
        bool read;
        QTime time;
    } cases[] = {
        {"2026-12-21 12:30:00", true, QTime(12, 30, 0)},
        {"2026-12-21 12:30", true, QTime(12, 30, 0)},
        {" 2026-12-21T07:05:09 ", true, QTime(7, 5, 9)},
        {"2026-12-21", false, {}},
        {"2026-02-30 12:00", false, {}},
        {"2026-12-21 24:00", false, {}},
        {"21.12.2026 12:00", false, {}},
    };
    for (const auto& c : cases) {
        const auto read = ReadLocalDateTime(c.text);
        ASSERT_EQ(read.has_value(), c.read) << c.text;
        if (read) {
            EXPECT_EQ(read->first, QDate(2026, 12, 21)) << c.text;
            EXPECT_EQ(read->second, c.time) << c.text;
        }
    }
}

TEST(LocalTime, TimesTheClocksSkipOrRepeatAreExplained) {
    const QTimeZone berlin("Europe/Berlin");
    const struct {
        QDate date;
        QTime time;
        QDateTime utc;
        const char* note;
    } cases[] = {
        {QDate(2026, 6, 21), QTime(12, 30), QDateTime(QDate(2026, 6, 21), QTime(10, 30), Qt::UTC),
         ""},
        {QDate(2026, 3, 29), QTime(2, 28), QDateTime(QDate(2026, 3, 29), QTime(1, 28), Qt::UTC),
         "2026-03-29 02:28 does not exist in Europe/Berlin: the clocks go forward over it; taken "
         "as 03:28 (UTC+02:00)."},
        {QDate(2026, 10, 25), QTime(2, 30), QDateTime(QDate(2026, 10, 25), QTime(0, 30), Qt::UTC),
         "2026-10-25 02:30 occurs twice on this day in Europe/Berlin; taken as the first, at "
         "UTC+02:00."},
    };
    for (const auto& c : cases) {
        const LocalInstant instant = InstantOf(c.date, c.time, berlin);
        EXPECT_EQ(instant.utc, c.utc) << c.note;
        EXPECT_EQ(instant.note.toStdString(), c.note);
    }
    // A fixed offset has no changes.
    const LocalInstant fixed = InstantOf(QDate(2026, 3, 29), QTime(2, 28), QTimeZone(-7 * 3600));
    EXPECT_EQ(fixed.utc, QDateTime(QDate(2026, 3, 29), QTime(9, 28), Qt::UTC));
    EXPECT_TRUE(fixed.note.isEmpty());
}

}  // namespace
