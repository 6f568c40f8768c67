#include "modes/beam/screens/frmBeamResults.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/DateTimeText.h"
#include "model/FractionRange.h"
#include "model/SkyDirection.h"
#include "modes/beam/BeamCalculation.h"
#include "output/BeamSection.h"
#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/DeviceWords.h"
#include "screens/kit/RangeWarning.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/ShadowView.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/mduUmbravel.h"

using namespace mduUmbravel;

namespace {

constexpr ControlWords BeamControls[] = {
    {"cmdNewGeom", nullptr,
     "Adds this result to the print file and goes back to the choice of shading device"},
    {"cmdNewSource", nullptr,
     "Goes back to the choice of irradiation mode; this result is not saved"},
    {"cmdFinish", nullptr,
     "Adds this result to the print file and goes on to the list of the files saved"},
    {"cmdExit", nullptr, "Ends the program, asking first whether to save this result"},
};

}  // namespace

frmBeamResults::frmBeamResults()
    : WizardScreen("frmBeamResults", "Unshaded Fraction for Direct Beam Solar Radiation"),
      lblDate(NewLabel("lblDate", "")),
      lblTime(NewLabel("lblTime", "")),
      lblGeomMode(NewLabel("lblGeomMode", "")),
      lblDimen(NewLabel("lblDimen", "", LabelKind::Paragraph)),
      lblAltAngle(NewLabel("lblAltAngle", "")),
      lblAziAngle(NewLabel("lblAziAngle", "")),
      lblBeamUSF(NewLabel("lblBeamUSF", "")),
      lblBeamWarning(NewRangeWarning("lblBeamWarning", OutsideUnitRangeWarning)),
      lblCaseText(NewLabel("lblCaseText", "")),
      exactShadow(new ExactBeamPanel) {
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel("lblTitle",
                               "UMBRAVEL 3.0  Awning Shading Algorithm Beam  Results -- Discrete "
                               "Sun Direction" +
                                   QString(11, ' '),
                               LabelKind::Title));
    for (QLabel* label : {lblDate, lblTime, lblGeomMode, lblDimen, lblAltAngle, lblAziAngle}) {
        screen->addWidget(label);
    }
    // The device's own fraction leads; the analytic one stays below it, labelled.
    screen->addWidget(exactShadow);
    screen->addWidget(NewLabel("lblAnalyticModel",
                               "Simplified model (plate taken as running on beyond the window "
                               "edge):"));
    screen->addLayout(NewWarnedValueRow(lblBeamUSF, lblBeamWarning));
    screen->addWidget(lblCaseText);
    screen->addStretch();
    screen->addLayout(NewButtonRow({
        NewButton("cmdNewGeom", "New &Geometry", [this] { cmdNewGeom_Click(); }),
        NewButton("cmdNewSource", "New &Source Mode", [this] { cmdNewSource_Click(); }),
        NewButton("cmdFinish", "&Finish and Save", [this] { cmdFinish_Click(); }),
        NewButton("cmdExit", "E&xit", [this] { cmdExit_Click(); }),
    }));
    SayControls(this, BeamControls);
}

void frmBeamResults::Form_Load() {
    lblDate->setText(ToQt("Date:  " + DateText()));
    lblTime->setText(ToQt("Time:  " + TimeText()));
    shadingCase = CurrentCase();
    beam = EvaluateBeam(shadingCase);
    exact = EvaluateExactBeam(shadingCase);
    lblGeomMode->setText(ToQt(GeometryInWords(shadingCase.geometry)));
    lblDimen->setText(ToQt(
        DimensionsInWords(shadingCase.geometry, shadingCase.dimensions, mduUmbravel::Kept.unit)));
    lblAltAngle->setText(ToQt(BeamAltitudeCaption(shadingCase.sun)));
    lblAziAngle->setText(ToQt(BeamAzimuthCaption(shadingCase.sun)));
    lblBeamUSF->setText(ToQt(BeamUSFCaption(beam.usf)));
    lblBeamWarning->setVisible(OutsideUnitRange(beam.usf));
    lblCaseText->setText(
        ToQt("Shadow Case ID: " + std::string(SkyCaseName[static_cast<int>(beam.shadowCase)])));
    exactShadow->Show(shadingCase, beam.usf, exact);
}

void frmBeamResults::cmdNewGeom_Click() {
    AppendBeamSection(shadingCase, beam, exact);
    resultSettled_ = true;
    Wizard::HandOver(this, Wizard::Step::GeomChoice);
}

// Going back to the irradiation mode drops the result, as the user asked.
void frmBeamResults::cmdNewSource_Click() {
    resultSettled_ = true;
    Wizard::HandOver(this, Wizard::Step::SourceMode);
}

// The result shown is not in the print file until the screen is left toward a new geometry or
// the closing screen.
bool frmBeamResults::SettleUnsavedResult() {
    switch (AskQuestion("The result shown is not in the print file yet.",
                        {"Save and Exit", "Exit Without Saving", "Stay Here"})) {
        case 0:
            AppendBeamSection(shadingCase, beam, exact);
            break;
        case 1:
            break;
        default:
            return false;
    }
    resultSettled_ = true;
    return true;
}

void frmBeamResults::cmdExit_Click() {
    if (SettleUnsavedResult())
        EndProgram();
}

// Closing the window is an exit too: the result is asked about as Exit asks.
void frmBeamResults::closeEvent(QCloseEvent* event) {
    if (!resultSettled_ && !SettleUnsavedResult()) {
        event->ignore();
        return;
    }
    WizardScreen::closeEvent(event);
}

void frmBeamResults::cmdFinish_Click() {
    AppendBeamSection(shadingCase, beam, exact);
    resultSettled_ = true;
    Wizard::HandOver(this, Wizard::Step::Saved);
}
