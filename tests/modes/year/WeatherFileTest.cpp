#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "modes/year/EpwText.h"
#include "modes/year/WeatherFile.h"
#include "support/TempFolder.h"

namespace {

EpwHour Steady(int, int, int hour) {
    return {hour * 10.0, hour * 20.0, hour * 1.0};
}

class WeatherFileTest : public ::testing::Test {
  protected:
    WeatherYear Read(const std::vector<std::string>& lines) {
        WriteBytes(folder_.Path() / "year.epw", JoinedEpw(lines));
        return ReadWeatherFile(folder_.Slash() + "year.epw");
    }
    TempFolder folder_;
};

TEST_F(WeatherFileTest, ReadsPlaceHoursAndMissingValues) {
    std::vector<std::string> lines = EpwLines(false, [](int month, int day, int hour) {
        EpwHour h = Steady(month, day, hour);
        if (month == 1 && day == 1 && hour == 6)
            h.direct = 9999;
        if (month == 1 && day == 2 && hour == 7)
            h.diffuse = 9999;
        return h;
    });
    // The second hour with the missing markers for the air, the third with no values at all,
    // the fourth with values that are not numbers.
    const auto replace = [&](int hour, const std::string& from, const std::string& to) {
        std::string& line = lines[8 + hour];
        line.replace(line.find(from), from.size(), to);
    };
    replace(1, ",10,0,50,83000,", ",99.9,0,50,999999,");
    replace(2, ",10,0,50,83000,", ",,0,50,,");
    replace(3, ",10,0,50,83000,", ",nan,0,50,inf,");
    const WeatherYear w = Read(lines);
    EXPECT_EQ(w.location.name, "Golden, CO, USA");
    EXPECT_DOUBLE_EQ(w.location.place.latitude, 39.74);
    EXPECT_DOUBLE_EQ(w.location.place.longitude, -105.18);
    EXPECT_DOUBLE_EQ(w.location.utcOffset, -7);
    EXPECT_DOUBLE_EQ(w.location.place.elevation, 1829);
    ASSERT_EQ(w.hours.size(), 8760u);
    EXPECT_EQ(w.missingHours, 2);
    EXPECT_TRUE(w.hours[5].missing);
    EXPECT_TRUE(w.hours[30].missing);
    EXPECT_FALSE(w.hours[31].missing);
    EXPECT_EQ(w.hours[0].dryBulb, 10);
    EXPECT_EQ(w.hours[0].stationPressure, 830);
    for (int i : {1, 2, 3}) {
        EXPECT_FALSE(w.hours[i].dryBulb.has_value()) << i;
        EXPECT_FALSE(w.hours[i].stationPressure.has_value()) << i;
        EXPECT_FALSE(w.hours[i].missing) << i;
    }
    const WeatherHour& h = w.hours[24 * 364 + 23];  // 31 December, hour 24
    EXPECT_EQ(h.month * 10000 + h.day * 100 + h.hour, 123124);
    EXPECT_FALSE(h.missing);
    EXPECT_DOUBLE_EQ(h.globalHorizontal, 240);
    EXPECT_DOUBLE_EQ(h.directNormal, 480);
    EXPECT_DOUBLE_EQ(h.diffuseHorizontal, 24);
    EXPECT_EQ(Read(EpwLines(true, Steady)).hours.size(), 8784u);
}

TEST_F(WeatherFileTest, RefusesMalformedFilesWithLineAndReason) {
    const auto good = EpwLines(false, Steady);
    struct Case {
        const char* what;
        std::function<void(std::vector<std::string>&)> spoil;
        std::string message;
    } const cases[] = {
        {"no location", [](auto& l) { l[0] = "PLACE,x"; },
         "line 1: expected the LOCATION line with ten fields"},
        {"latitude text", [](auto& l) { l[0] = "LOCATION,a,b,c,d,1,north,-105,-7,1829"; },
         "line 1: latitude must be a number, not \"north\""},
        {"open quote", [](auto& l) { l[0] = "LOCATION,\"a,b,c,d,1,39,-105,-7,1829"; },
         "line 1: a quote is not closed"},
        {"latitude range", [](auto& l) { l[0] = "LOCATION,a,b,c,d,1,95,-105,-7,1829"; },
         "line 1: latitude must lie between -90 and 90, not \"95\""},
        {"short header", [](auto& l) { l.resize(5); },
         "line 5: the file ends inside its header of eight lines"},
        {"cut record", [](auto& l) { l[107] = "1999,4,5"; }, "line 108: the record has 3 fields"},
        {"hour twice", [](auto& l) { l[20] = l[19]; }, "line 21: expected month 1, day 1, hour 13"},
        {"negative", [](auto& l) { l[9].replace(l[9].find(",40.000000,"), 11, ",-5,"); },
         "line 10: direct normal irradiation must lie between 0 and"},
        // Every field is a finite number within its bounds before anything uses it.
        {"time zone nan", [](auto& l) { l[0] = "LOCATION,a,b,c,d,1,39,-105,nan,1829"; },
         "line 1: time zone must be a number, not \"nan\""},
        {"elevation huge", [](auto& l) { l[0] = "LOCATION,a,b,c,d,1,39,-105,-7,1e308"; },
         "line 1: elevation must lie between -500 and 9000"},
        {"irradiation nan", [](auto& l) { l[9].replace(l[9].find(",40.000000,"), 11, ",nan,"); },
         "line 10: direct normal irradiation must be a number, not \"nan\""},
        {"month beyond int", [](auto& l) { l[8].replace(l[8].find(",1,1,"), 5, ",1e300,1,"); },
         "line 9: month must lie between 1 and 12, not \"1e300\""},
        {"day beyond int", [](auto& l) { l[8].replace(l[8].find(",1,1,"), 5, ",1,-1e300,"); },
         "line 9: day must lie between 1 and 31"},
        {"fractional hour", [](auto& l) { l[9].replace(l[9].find(",1,2,"), 5, ",1,1.9,"); },
         "line 10: hour must be a whole number, not \"1.9\""},
        {"long line", [](auto& l) { l[3] += std::string(MaxLineBytes, 'x'); },
         "line 4 is longer than 65536 bytes"},
        {"long field quoted short",
         [](auto& l) { l[0] = "LOCATION,a,b,c,d,1," + std::string(9000, '7') + "x,-105,-7,1"; },
         "line 1: latitude must be a number, not \"" + std::string(80, '7') + "...\""},
        {"control characters",
         [](auto& l) { l[0] = "LOCATION,a,b,c,d,1,\x1b]0;x\x07\x1b[2J,-105,-7,1829"; },
         "latitude must be a number, not \"\\x1b]0;x\\x07\\x1b[2J\""},
        {"truncated", [](auto& l) { l.resize(l.size() - 30); },
         "the file ends after 8730 hourly records; a year has 8760, or 8784 with 29 February"},
    };
    for (const Case& c : cases) {
        auto lines = good;
        c.spoil(lines);
        try {
            Read(lines);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const WeatherFileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << c.what << ": " << e.what();
        }
    }
    EXPECT_THROW(ReadWeatherFile(folder_.Slash() + "absent.epw"), WeatherFileError);
}

// Refused by type before a byte is read: a pipe with no writer would hang the reader, a device
// such as /dev/zero would feed it without end.
TEST_F(WeatherFileTest, ReadsOnlyRegularFiles) {
    const std::string pipe = folder_.Slash() + "pipe.epw";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {pipe, "this is a pipe, not a file to read"},
        {folder_.Slash(), "this is a folder, not a file to read"},
        {"/dev/zero", "this is a device, not a file to read"},
    };
    for (const auto& c : cases) {
        try {
            ReadWeatherFile(c.path);
            ADD_FAILURE() << c.path << ": accepted";
        } catch (const WeatherFileError& e) {
            EXPECT_EQ(e.what(), c.message) << c.path;
        }
    }
}

}  // namespace
