#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// The lines of a small EPW file: the LOCATION line, seven more header lines and one record a
// hour of a year, each irradiation given by a function of month, day and hour (1 to 24).
struct EpwHour {
    double global, direct, diffuse;
};

inline std::vector<std::string> EpwLines(
    bool leap, const std::function<EpwHour(int, int, int)>& weather,
    const std::string& location = "LOCATION,Golden,CO,USA,Test,724666,39.74,-105.18,-7.0,1829") {
    using namespace std::chrono;
    std::vector<std::string> lines{location,
                                   "DESIGN CONDITIONS,0",
                                   "TYPICAL/EXTREME PERIODS,0",
                                   "GROUND TEMPERATURES,0",
                                   "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
                                   "COMMENTS 1,written by a test",
                                   "COMMENTS 2,",
                                   "DATA PERIODS,1,1,Data,Wednesday, 1/ 1,12/31"};
    const year y{leap ? 2024 : 2025};
    for (sys_days d{y / 1 / 1}; d < sys_days{(y + years{1}) / 1 / 1}; d += days{1}) {
        const year_month_day date{d};
        const int month = static_cast<int>(static_cast<unsigned>(date.month()));
        const int day = static_cast<int>(static_cast<unsigned>(date.day()));
        for (int hour = 1; hour <= 24; ++hour) {
            const EpwHour w = weather(month, day, hour);
            lines.push_back("1999," + std::to_string(month) + "," + std::to_string(day) + "," +
                            std::to_string(hour) + ",60,?9?9?9?9E0,10,0,50,83000,0,0,300," +
                            std::to_string(w.global) + "," + std::to_string(w.direct) + "," +
                            std::to_string(w.diffuse) + ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
        }
    }
    return lines;
}

inline std::string JoinedEpw(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A plain year: the same bright day from 7 to 18 o'clock every day, dark nights.
inline std::string SteadyDaysEpw() {
    return JoinedEpw(EpwLines(false, [](int, int, int hour) {
        const bool day = hour > 6 && hour < 19;
        return EpwHour{day ? 400.0 : 0, day ? 600.0 : 0, day ? 100.0 : 0};
    }));
}
