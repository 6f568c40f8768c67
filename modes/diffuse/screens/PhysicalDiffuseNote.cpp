#include "modes/diffuse/screens/PhysicalDiffuseNote.h"

#include <QLabel>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "model/PhysicalDiffuse.h"
#include "screens/kit/ScreenParts.h"

PhysicalDiffuseNote::PhysicalDiffuseNote()
    : lblPhysicalSky(NewLabel("lblPhysicalSky", "", LabelKind::Title)),
      lblPhysicalGround(NewLabel("lblPhysicalGround", "", LabelKind::Title)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 8, 0, 0);
    column->addWidget(lblPhysicalSky);
    column->addWidget(lblPhysicalGround);
    column->addWidget(NewLabel(
        "lblPhysicalNote",
        "These weight each direction by the irradiance it brings to the window, "
        "cos\u00b2(altitude) \u00d7 cos(azimuth); the grid's values below weight by "
        "cos\u00b2(altitude) \u00d7 sin(azimuth), which favours grazing directions along the wall "
        "and can leave 0 to 1.",
        LabelKind::Paragraph));
}

void PhysicalDiffuseNote::Show(const DeviceShape& device) {
    const PhysicalDiffuseFactors f = PhysicalDiffuse(device);
    lblPhysicalSky->setText(
        ToQt("Physically weighted sky factor = " + PatternText(f.sky, "0.######")));
    lblPhysicalGround->setText(
        ToQt("Physically weighted ground factor = " + PatternText(f.ground, "0.######")));
}
