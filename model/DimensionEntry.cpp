#include "model/DimensionEntry.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "model/GroundDirection.h"
#include "model/TypedNumber.h"
#include "model/WizardDefaults.h"

using mduUmbravel::ShadeGeometryRecord;

namespace {

struct Entry {
    DimensionBox box;
    std::string_view name;
    std::string_view text;
};

DimensionBox BoxOf(DividingLength length) {
    switch (length) {
        case DividingLength::W:
            return DimensionBox::W;
        case DividingLength::H:
            return DimensionBox::H;
        case DividingLength::L:
            break;
    }
    return DimensionBox::L;
}

}  // namespace

DimensionTexts DefaultDimensionTexts() {
    const DefaultDimensionValues& d = DefaultDimensions;
    return {PlainNumberText(d.WP), PlainNumberText(d.W),  "",
            PlainNumberText(d.H),  PlainNumberText(d.Lh), PlainNumberText(d.LhP),
            PlainNumberText(d.L)};
}

std::string DelWText(std::string_view wpText, std::string_view wText) {
    return SignedNumberText(ReadNumber(wpText) - ReadNumber(wText));
}

ShadeGeometryRecord ReadDimensions(const DimensionTexts& texts) {
    ShadeGeometryRecord g;
    g.WP = ReadNumber(texts.WP);
    g.W = ReadNumber(texts.W);
    g.DelW = ReadNumber(texts.DelW);
    g.H = ReadNumber(texts.H);
    g.Lh = ReadNumber(texts.Lh);
    g.LhP = ReadNumber(texts.LhP);
    g.L = ReadNumber(texts.L);
    return mduUmbravel::WithRatios(g);
}

std::optional<RefusedDimension> RefuseDimensions(const DimensionTexts& texts, DeviceLayout layout,
                                                 std::string_view widthName) {
    const std::string wpName = std::string(widthName) + " W'";
    const Entry entries[] = {
        {DimensionBox::WP, wpName, texts.WP},
        {DimensionBox::W, "Window Width W", texts.W},
        {DimensionBox::H, "Window Height H", texts.H},
        {DimensionBox::Lh, "Height h of the front edge", texts.Lh},
        {DimensionBox::LhP, "Height difference h'", texts.LhP},
        {DimensionBox::L, "Distance L from the wall to the front edge", texts.L},
    };
    for (const Entry& entry : entries) {
        if (auto fault = TypedNumberFault(entry.name, entry.text)) {
            return RefusedDimension{entry.box, *fault};
        }
    }
    // The shown difference of two huge widths reads back as no number at all.
    if (!std::isfinite(ReadNumber(texts.WP) - ReadNumber(texts.W))) {
        return RefusedDimension{DimensionBox::WP, "W' - W is too large to calculate with."};
    }
    if (const auto zero = FirstZeroDividingLength(texts.W, texts.H, texts.L)) {
        const Entry& entry = *std::find_if(std::begin(entries), std::end(entries),
                                           [&](const Entry& e) { return e.box == BoxOf(*zero); });
        return RefusedDimension{entry.box, std::string(entry.name) + " cannot be zero."};
    }
    // The procedure tests (h + h') / H: a negative H fails it with a positive h + h'.
    if (const auto g = ReadDimensions(texts); mduUmbravel::AwningBelowWindow(g)) {
        if (g.H < 0) {
            return RefusedDimension{
                DimensionBox::H,
                "Window Height H is below zero while h + h' = " + PlainNumberText(g.Lh + g.LhP) +
                    " is not: the back edge of the awning would lie below "
                    "the bottom of the window."};
        }
        return RefusedDimension{DimensionBox::LhP,
                                "The back edge of the awning would lie below the bottom of the "
                                "window: h + h' cannot be below zero."};
    }
    if (EndsCross(ReadNumber(texts.WP), ReadNumber(texts.W), layout))
        return RefusedDimension{DimensionBox::WP, std::string(CrossedEndsMessage)};
    return std::nullopt;
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

bool EndsCross(double WP, double W, DeviceLayout layout) {
    return layout == DeviceLayout::Mirrored && WP < W / 2;
}
