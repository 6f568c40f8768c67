#pragma once

#include <string>

#include "base/PrintChannel.h"
#include "model/ShadingCase.h"
#include "modes/year/ShadingYear.h"

// The shading-year section of the print file: the place and window, the beam unshaded fraction
// on the 21st of each month by hour and, with a weather file or the clear sky, the irradiation
// on the window by month (the Perez sky's parts and the solar gain through glazing in lines of
// their own). The case gives the device and the output; totals is null without irradiation.
void AppendYearSection(const ShadingCase& c, const YearSettings& settings,
                       const MonthHourTable& table, const YearTotals* totals);
// The same section written to the channel.
void WriteYearSection(PrintChannel& file, const ShadingCase& c, const YearSettings& settings,
                      const MonthHourTable& table, const YearTotals* totals);

// What the weather data checks found, in one line for the screen and the print section: hours
// with direct normal irradiation while the sun is below the horizon, hours with the beam on the
// horizontal above the global, missing hours, a place far from its time zone. Empty when they
// found nothing.
std::string WeatherChecksLine(const YearSettings& settings, const YearTotals& totals);

// "Removed by the device: year 34.5 %, ..." in words, for the screen and the batch run.
std::string RemovedSummaryLine(const YearSettings& settings, const YearTotals& totals);
// The same for the solar gain through the glazing.
std::string RemovedThroughGlassLine(const YearSettings& settings, const YearTotals& totals);

// "clear sky (model)": where the irradiation comes from without a weather file.
std::string ClearSkyText();

// "2 panes of clear glass".
std::string GlazingText(int panes);
