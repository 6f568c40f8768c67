#include "modes/diffuse/frmDiffuseResults.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/mduUmbravel.h"
#include "modes/beam/frmSourceMode.h"
#include "modes/diffuse/DiffuseSection.h"
#include "output/frmSaved.h"
#include "ui/PhysicalDiffuseNote.h"
#include "ui/ScreenParts.h"
#include "ui/Wizard.h"
#include "ui/frmGeomChoice.h"

frmDiffuseResults::frmDiffuseResults()
    : WizardScreen("frmDiffuseResults", "Diffuse Results"),
      lblDate(NewLabel("lblDate", "")),
      lblTime(NewLabel("lblTime", "")),
      lblGeomMode(NewLabel("lblGeomMode", "")),
      lblDimen(NewLabel("lblDimen", "")),
      lblCaseText(NewLabel("lblCaseText", "")),
      lblSkyUSF(NewLabel("lblSkyUSF", "", LabelKind::Title)),
      lblGroundUSF(NewLabel("lblGroundUSF", "", LabelKind::Title)),
      physicalFactors(new PhysicalDiffuseNote) {
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel(
        "lblTitle",
        "UMBRAVEL 3.0  Awnining Shading Algorithm  Results -- Diffuse Sky" + QString(11, ' '),
        LabelKind::Title));
    for (QLabel* label :
         {lblDate, lblTime, lblGeomMode, lblDimen, lblCaseText, lblSkyUSF, lblGroundUSF}) {
        screen->addWidget(label);
    }
    screen->addWidget(physicalFactors);
    screen->addStretch();
    screen->addLayout(NewButtonRow({
        NewButton("cmdExit", "Save Results", [this] { cmdExit_Click(); }),
        NewButton("cmdNewSource", "New Source Mode", [this] { cmdNewSource_Click(); }),
        NewButton("cmdNewGeom", "New Geom Mode", [this] { cmdNewGeom_Click(); }),
    }));
}

void frmDiffuseResults::Form_Load() {
    lblDate->setText(ToQt(DiffuseDateCaption()));
    lblTime->setText(ToQt(DiffuseTimeCaption()));
    lblGeomMode->setText(ToQt(DiffuseGeomModeCaption()));
    lblDimen->setText(ToQt(mduUmbravel::HeaderText));
    lblCaseText->setText(ToQt(DiffuseCaseTextCaption()));
    RunDiffuseMode();
    lblSkyUSF->setText(ToQt(DiffuseSkyUSFCaption()));
    lblGroundUSF->setText(ToQt(DiffuseGroundUSFCaption()));
    physicalFactors->Show();
}

void frmDiffuseResults::cmdExit_Click() {
    Wizard::HandOver<frmSaved>(this);
}

void frmDiffuseResults::cmdNewSource_Click() {
    Wizard::HandOver<frmSourceMode>(this);
}

void frmDiffuseResults::cmdNewGeom_Click() {
    Wizard::HandOver<frmGeomChoice>(this);
}
