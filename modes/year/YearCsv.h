#pragma once

#include <cstdio>
#include <string>

#include "modes/year/ShadingYear.h"

// The year's tables as CSV files (RFC 4180: comma separated, CR LF line ends, a header row),
// numbers with 17 significant digits and the point as decimal separator whatever the locale.
// Each file that cannot be written throws UnexpectedError naming it.

// Every step of the year, written as the run hands them over.
class HourlyCsvFile {
  public:
    HourlyCsvFile(const std::string& path, const YearSettings& settings);
    ~HourlyCsvFile();
    HourlyCsvFile(const HourlyCsvFile&) = delete;
    HourlyCsvFile& operator=(const HourlyCsvFile&) = delete;

    void Write(const YearStep& step);
    void Close();

  private:
    void Flush();

    std::string path_;
    std::FILE* file_;
    std::string buffer_;
    std::string offset_;  // "+01:00", the stamps' UTC offset
    int year_;
    bool withWeather_;
};

// Beam unshaded fraction by month and hour; empty cells where the sun is not on the window.
void WriteMonthHourCsv(const std::string& path, const MonthHourTable& table);

// Irradiation on the window by month and for the year, kWh/m2, without and with the device.
void WriteMonthlyCsv(const std::string& path, const YearTotals& totals);

// "+05:30" for 5.5.
std::string UtcOffsetText(double hours);
