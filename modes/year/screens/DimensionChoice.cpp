#include "modes/year/screens/DimensionChoice.h"

#include <QComboBox>
#include <QDoubleSpinBox>

#include "modes/year/DeviceSweep.h"
#include "screens/kit/DeviceWords.h"
#include "screens/kit/ScreenParts.h"

QComboBox* NewDimensionChoice(const char* name, Geometry geometry) {
    const DeviceWords& words = WordsFor(geometry);
    auto* choice = new QComboBox;
    choice->setObjectName(name);
    const char* const labels[] = {words.depthLabel, words.frontHeightLabel, words.widthLabel};
    for (const SweptDimension d : {SweptDimension::L, SweptDimension::Lh, SweptDimension::WP}) {
        choice->addItem(ToQt(SymbolOf(d)) + ": " + labels[static_cast<int>(d)],
                        static_cast<int>(d));
    }
    return choice;
}

QDoubleSpinBox* NewLengthBox(const char* name, double step) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setRange(0, 1000);
    box->setDecimals(3);
    box->setSingleStep(step);
    return box;
}
