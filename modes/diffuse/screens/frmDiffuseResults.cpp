#include "modes/diffuse/screens/frmDiffuseResults.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/FractionRange.h"
#include "modes/diffuse/DiffuseCalculation.h"
#include "modes/diffuse/screens/PhysicalDiffuseNote.h"
#include "output/DiffuseSection.h"
#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/DeviceWords.h"
#include "screens/kit/RangeWarning.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/mduUmbravel.h"

namespace {

constexpr ControlWords DiffuseControls[] = {
    {"cmdFinish", nullptr, "Goes on to the list of the files saved"},
    {"cmdNewSource", nullptr, "Goes back to the choice of irradiation mode"},
    {"cmdNewGeom", nullptr, "Goes back to the choice of shading device"},
    {"cmdExit", nullptr, "Ends the program; these results are already in the print file"},
};

}  // namespace

frmDiffuseResults::frmDiffuseResults()
    : WizardScreen("frmDiffuseResults", "Diffuse Results"),
      lblDate(NewLabel("lblDate", "")),
      lblTime(NewLabel("lblTime", "")),
      lblGeomMode(NewLabel("lblGeomMode", "")),
      lblDimen(NewLabel("lblDimen", "")),
      lblCaseText(NewLabel("lblCaseText", "")),
      lblSkyUSF(NewLabel("lblSkyUSF", "")),
      lblGroundUSF(NewLabel("lblGroundUSF", "")),
      lblSkyWarning(NewRangeWarning("lblSkyWarning", OutsideUnitRangeWarning)),
      lblGroundWarning(NewRangeWarning("lblGroundWarning", OutsideUnitRangeWarning)),
      physicalFactors(new PhysicalDiffuseNote) {
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel(
        "lblTitle",
        "UMBRAVEL 3.0  Awning Shading Algorithm  Results -- Diffuse Sky" + QString(11, ' '),
        LabelKind::Title));
    for (QLabel* label : {lblDate, lblTime, lblGeomMode, lblDimen, lblCaseText}) {
        screen->addWidget(label);
    }
    // The factors weighted as the window receives the light lead; the grid's own values, which
    // can leave 0 to 1, follow them, labelled.
    screen->addWidget(physicalFactors);
    screen->addWidget(NewLabel("lblGridValues", "The program's direction grid:"));
    screen->addLayout(NewWarnedValueRow(lblSkyUSF, lblSkyWarning));
    screen->addLayout(NewWarnedValueRow(lblGroundUSF, lblGroundWarning));
    screen->addStretch();
    screen->addLayout(NewButtonRow({
        NewButton("cmdFinish", "Save &Results", [this] { cmdFinish_Click(); }),
        NewButton("cmdNewSource", "New &Source Mode", [this] { cmdNewSource_Click(); }),
        NewButton("cmdNewGeom", "New &Geom Mode", [this] { cmdNewGeom_Click(); }),
        NewButton("cmdExit", "E&xit", [this] { cmdExit_Click(); }),
    }));
    SayControls(this, DiffuseControls);
}

void frmDiffuseResults::Form_Load() {
    lblDate->setText(ToQt(DiffuseDateCaption()));
    lblTime->setText(ToQt(DiffuseTimeCaption()));
    const ShadingCase c = mduUmbravel::CurrentCase();
    lblGeomMode->setText(ToQt(GeometryInWords(c.geometry)));
    lblDimen->setText(ToQt(c.output.headerText));
    lblCaseText->setText(ToQt(DiffuseCaseTextCaption(c.output.geomCaseText)));
    const mduUmbravel::DiffuseShading d = EvaluateDiffuseMode(c);
    AppendDiffuseSection(c, d);
    lblSkyUSF->setText(ToQt(DiffuseSkyUSFCaption(d.skyUSF)));
    lblGroundUSF->setText(ToQt(DiffuseGroundUSFCaption(d.groundUSF)));
    lblSkyWarning->setVisible(OutsideUnitRange(d.skyUSF));
    lblGroundWarning->setVisible(OutsideUnitRange(d.groundUSF));
    physicalFactors->Show(DeviceShapeOf(c));
}

void frmDiffuseResults::cmdFinish_Click() {
    Wizard::HandOver(this, Wizard::Step::Saved);
}

// The section went into the print file as the screen opened: nothing is left unsaved.
void frmDiffuseResults::cmdExit_Click() {
    EndProgram();
}

void frmDiffuseResults::cmdNewSource_Click() {
    Wizard::HandOver(this, Wizard::Step::SourceMode);
}

void frmDiffuseResults::cmdNewGeom_Click() {
    Wizard::HandOver(this, Wizard::Step::GeomChoice);
}
