#include "modes/beam/SunEntry.h"

#include <cmath>

#include "base/NumberText.h"
#include "base/QuotedText.h"

std::optional<RefusedSunAngle> RefuseSunAngles(std::string_view altitudeText,
                                               std::string_view azimuthText) {
    const struct {
        SunBox box;
        const char* name;
        std::string_view text;
    } angles[] = {
        {SunBox::Altitude, "Solar altitude angle", altitudeText},
        {SunBox::Azimuth, "Solar azimuth angle", azimuthText},
    };
    for (const auto& angle : angles) {
        if (!std::isfinite(ReadNumber(angle.text))) {
            return RefusedSunAngle{
                angle.box, std::string(angle.name) +
                               " is too large to calculate with: " + QuotedText(angle.text) + "."};
        }
    }
    return std::nullopt;
}
