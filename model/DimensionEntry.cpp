#include "model/DimensionEntry.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "base/QuotedText.h"
#include "model/GroundDirection.h"

using mduUmbravel::ShadeGeometryRecord;

namespace {

struct Entry {
    DimensionBox box;
    const char* name;
    std::string_view text;
};

std::optional<std::string> NumberFault(const char* name, std::string_view text) {
    const std::string quoted = QuotedText(text);
    const std::optional<double> value = ReadLeadingNumber(text);
    if (!value) {
        const bool blank = text.find_first_not_of(" \t\n") == std::string_view::npos;
        return std::string(name) +
               (blank ? " is empty: it needs a number." : " is not a number: " + quoted + ".");
    }
    if (!std::isfinite(*value)) {
        return std::string(name) + " is too large to calculate with: " + quoted + ".";
    }
    return std::nullopt;
}

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

std::optional<RefusedDimension> RefuseDimensions(const DimensionTexts& texts) {
    const Entry entries[] = {
        {DimensionBox::WP, "Awning Width W'", texts.WP},
        {DimensionBox::W, "Window Width W", texts.W},
        {DimensionBox::H, "Window Height H", texts.H},
        {DimensionBox::Lh, "Height h of the front edge", texts.Lh},
        {DimensionBox::LhP, "Height difference h'", texts.LhP},
        {DimensionBox::L, "Distance L from the wall to the front edge", texts.L},
    };
    for (const Entry& entry : entries) {
        if (auto fault = NumberFault(entry.name, entry.text)) {
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
    if (mduUmbravel::AwningBelowWindow(ReadDimensions(texts))) {
        return RefusedDimension{DimensionBox::LhP,
                                "The back edge of the awning would lie below the bottom of the "
                                "window: h + h' cannot be below zero."};
    }
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
