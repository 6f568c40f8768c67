#include "output/EnergyPlusSchedule.h"

#include <algorithm>

#include "base/NumberText.h"

namespace {

void AppendTwoDigits(std::string& out, int n) {
    out += static_cast<char>('0' + n / 10);
    out += static_cast<char>('0' + n % 10);
}

}  // namespace

ShadingScheduleFile::ShadingScheduleFile(StagedFiles& files, const std::string& path,
                                         const std::string& surface, const YearSettings& settings)
    : file_(files, path, StagedFiles::Kind::Replace), stepMinutes_(settings.stepMinutes) {
    file_.Print({"Surface Name,", surface, "\n", Sep::Join});
}

void ShadingScheduleFile::Write(const YearStep& s) {
    const int end = s.hour * 60 + s.minute + stepMinutes_;
    std::string& out = buffer_;
    AppendTwoDigits(out, s.month);
    out += '/';
    AppendTwoDigits(out, s.day);
    out += ' ';
    AppendTwoDigits(out, end / 60);
    out += ':';
    AppendTwoDigits(out, end % 60);
    out += ',';
    if (s.window.sunOnWindow)
        AppendRoundTripText(out, std::clamp(s.beamUSF, 0.0, 1.0));
    else
        out += '0';
    out += '\n';
    file_.Print({out, Sep::Join});
    out.clear();
}

void ShadingScheduleFile::Close() {
    file_.Close();
}

void WriteShadingSchedule(const std::string& path, const std::string& surface,
                          const YearSettings& settings) {
    StagedFiles files;
    ShadingScheduleFile schedule(files, path, surface, settings);
    RunShadingYear(settings, [&](const YearStep& step) { schedule.Write(step); });
    schedule.Close();
    files.Commit();
}
