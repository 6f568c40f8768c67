#include "output/KWhText.h"

#include "base/NumberText.h"

std::string KWhFigure(double wh) {
    return PatternText(wh * KWhPerWh, "0.0");
}

std::string KWhText(double wh) {
    return KWhFigure(wh) + " kWh/m2";
}
