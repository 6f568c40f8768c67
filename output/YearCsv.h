#pragma once

#include <memory>
#include <string>

#include "base/PrintChannel.h"
#include "modes/year/ShadingYear.h"

// The year's tables as CSV files (RFC 4180: comma separated, CR LF line ends, a header row),
// each number the shortest text that reads back to the same double, with the point as decimal
// separator whatever the locale.
// Each file is replaced whole when it is put in place; one that cannot be written throws
// UnexpectedError naming it.

// Every step of the year, written as the run hands them over; with the Perez sky its three parts
// and with glazing the solar gain through it in columns at the end.
class HourlyCsvFile {
  public:
    // A file of its own, put in place by Close.
    HourlyCsvFile(const std::string& path, const YearSettings& settings);
    // A file of the set, put in place with its other files.
    HourlyCsvFile(StagedFiles& files, const std::string& path, const YearSettings& settings);

    void Write(const YearStep& step);
    void Close();

  private:
    HourlyCsvFile(std::unique_ptr<StagedFiles> own, StagedFiles* files, const std::string& path,
                  const YearSettings& settings);

    std::unique_ptr<StagedFiles> own_;  // the file's own set, when it has one
    PrintChannel file_;
    std::string buffer_;  // the row being built, its memory kept from row to row
    std::string offset_;  // "+01:00", the stamps' UTC offset
    int year_;
    bool irradiated_, skyParts_, throughGlass_;
};

// The year run with every step written to its own hourly file; its totals.
YearTotals WriteHourlyCsv(const std::string& path, const YearSettings& settings);

// Beam unshaded fraction by month and hour; empty cells where the sun is not on the window.
void WriteMonthHourCsv(const std::string& path, const MonthHourTable& table);

// Irradiation on the window by month and for the year, kWh/m2, without and with the device;
// the Perez sky's three parts and the solar gain through the glazing in columns at the end.
void WriteMonthlyCsv(const std::string& path, const YearSettings& settings,
                     const YearTotals& totals);

// The monthly file's text.
std::string MonthlyCsvText(const YearSettings& settings, const YearTotals& totals);

// "+05:30" for 5.5.
std::string UtcOffsetText(double hours);
