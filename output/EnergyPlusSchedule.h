#pragma once

#include <string>

#include "base/PrintChannel.h"
#include "modes/year/ShadingYear.h"

// The year's beam sunlit fraction of the window as the shading file EnergyPlus imports
// (Schedule:File:Shading with ShadowCalculation's Imported method): a header row
// "Surface Name,NAME", then one row per step of the year, its time at the end of the step as
// "MM/DD hh:mm" (the day's last step ends at 24:00 of that day), and the fraction, 0 where no
// beam reaches the window. EnergyPlus wants a full year of rows at its own time step: every
// step the year takes (its length divides the hour) is one EnergyPlus accepts, and a leap year
// has its 29 February, as EnergyPlus counts 366 days in a leap year's run. Lines end in LF only:
// the surface name is matched as it stands.
class ShadingScheduleFile {
  public:
    // A file of the set, put in place with its other files.
    ShadingScheduleFile(StagedFiles& files, const std::string& path, const std::string& surface,
                        const YearSettings& settings);

    void Write(const YearStep& step);
    void Close();

  private:
    PrintChannel file_;
    std::string buffer_;  // the row being built, its memory kept from row to row
    int stepMinutes_;
};

// The year run with every step written to a schedule file of its own.
void WriteShadingSchedule(const std::string& path, const std::string& surface,
                          const YearSettings& settings);
