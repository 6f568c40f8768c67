#include "modes/year/screens/DimensionChoice.h"

#include <QComboBox>

#include "modes/year/DeviceSweep.h"
#include "screens/kit/DeviceWords.h"

QComboBox* NewDimensionChoice(const char* name, Geometry geometry) {
    const DeviceWords& words = WordsFor(geometry);
    auto* choice = new QComboBox;
    choice->setObjectName(name);
    choice->addItem(QString("L: ") + words.depthLabel, static_cast<int>(SweptDimension::L));
    choice->addItem(QString("h: ") + words.frontHeightLabel, static_cast<int>(SweptDimension::Lh));
    choice->addItem(QString("W': ") + words.widthLabel, static_cast<int>(SweptDimension::WP));
    return choice;
}
