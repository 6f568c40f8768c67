#include "modes/year/StoredPlace.h"

#include "base/QuotedText.h"
#include "modes/year/PlaceBounds.h"

namespace {

void Take(const std::optional<std::string>& text, const char* key, const NumberBounds& bounds,
          double& value, std::string& problem) {
    if (!text)
        return;
    try {
        value = ReadCheckedNumber(*text, bounds);
    } catch (const NumberRefused& refused) {
        problem += std::string(problem.empty() ? "" : "; ") + key + " " + refused.what();
    }
}

}  // namespace

StoredPlace CheckStoredPlace(const StoredPlaceTexts& texts, const StoredPlace& start) {
    StoredPlace p = start;
    Take(texts.latitude, "place/latitude", LatitudeBounds, p.latitude, p.problem);
    Take(texts.longitude, "place/longitude", LongitudeBounds, p.longitude, p.problem);
    Take(texts.utcOffset, "place/utcOffset", UtcOffsetBounds, p.utcOffset, p.problem);
    Take(texts.facing, "window/facing", FacingBounds, p.facing.bearing, p.problem);
    if (const auto side = texts.finSide ? RowNamed(FinSideTable, *texts.finSide) : std::nullopt) {
        p.facing.finSide = side->side;
    } else if (texts.finSide) {
        p.problem += std::string(p.problem.empty() ? "" : "; ") +
                     "window/finSide must be left or right, not " + QuotedText(*texts.finSide);
    }
    if (!p.problem.empty())
        p.problem = "The stored settings were refused and the defaults taken: " + p.problem + ".";
    return p;
}
