#include "model/DimensionEntry.h"

#include "base/NumberText.h"
#include "model/mduUmbravel.h"

std::string DelWText(std::string_view wpText, std::string_view wText) {
    return SignedNumberText(ReadNumber(wpText) - ReadNumber(wText));
}

mduUmbravel::ShadeGeometryRecord ReadDimensions(const DimensionTexts& texts) {
    mduUmbravel::ShadeGeometryRecord g;
    g.WP = ReadNumber(texts.WP);
    g.W = ReadNumber(texts.W);
    g.DelW = ReadNumber(texts.DelW);
    g.H = ReadNumber(texts.H);
    g.Lh = ReadNumber(texts.Lh);
    g.LhP = ReadNumber(texts.LhP);
    g.L = ReadNumber(texts.L);
    return mduUmbravel::WithRatios(g);
}

void StoreDimensions(const DimensionTexts& texts) {
    mduUmbravel::ShadeGeometry = ReadDimensions(texts);
}

std::optional<DividingLength> FirstZeroDividingLength(std::string_view wText,
                                                      std::string_view hText,
                                                      std::string_view lText) {
    if (ReadNumber(wText) == 0)
        return DividingLength::W;
    if (ReadNumber(hText) == 0)
        return DividingLength::H;
    if (ReadNumber(lText) == 0)
        return DividingLength::L;
    return std::nullopt;
}
