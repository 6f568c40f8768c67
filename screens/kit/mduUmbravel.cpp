#include "screens/kit/mduUmbravel.h"

#include "base/NumberText.h"

namespace mduUmbravel {

ShadingCase CurrentCase() {
    ShadingCase c;
    c.geometry = GeomMode;
    c.layout = Layout;
    c.dimensions = ShadeGeometry;
    c.sun = {SolAlt, SolAzi};
    c.mode = ChosenMode;
    c.output = {DataPath, PrintFileName, true, HeaderText, GeomCaseText};
    return c;
}

std::string PrintFilePath() {
    return DataPath + PrintFileName;
}

void StoreDimensions(const DimensionTexts& texts) {
    ShadeGeometry = ReadDimensions(texts);
}

void StoreSolarAltitude(std::string_view text) {
    SolAlt = ReadNumber(text);
}

void StoreSolarAzimuth(std::string_view text) {
    SolAzi = ReadNumber(text);
}

}  // namespace mduUmbravel
