#pragma once

#include <string>

#include "base/PrintChannel.h"
#include "modes/year/ShadingYear.h"

// The year's tables as CSV files (RFC 4180: comma separated, CR LF line ends, a header row),
// numbers with 17 significant digits and the point as decimal separator whatever the locale.
// Each file is replaced whole when it is closed; one that cannot be written throws
// UnexpectedError naming it.

// Every step of the year, written as the run hands them over.
class HourlyCsvFile {
  public:
    HourlyCsvFile(const std::string& path, const YearSettings& settings);

    void Write(const YearStep& step);
    void Close();

  private:
    PrintChannel file_;
    std::string buffer_;  // the row being built, its memory kept from row to row
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
