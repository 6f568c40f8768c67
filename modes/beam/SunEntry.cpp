#include "modes/beam/SunEntry.h"

#include "base/NumberText.h"
#include "model/mduUmbravel.h"

using namespace mduUmbravel;

void StoreSolarAltitude(std::string_view text) {
    SolAlt = ReadNumber(text);
    SolAltRad = DegToRad(SolAlt);
}

void StoreSolarAzimuth(std::string_view text) {
    SolAzi = ReadNumber(text);
    SolAziRad = DegToRad(SolAzi);
}
