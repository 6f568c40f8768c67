#include "modes/beam/frmSourceMode.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "model/mduUmbravel.h"
#include "modes/beam/SunEntry.h"
#include "modes/beam/frmBeamResults.h"
#include "modes/diffuse/frmDiffuseResults.h"
#include "modes/matrix/frmMatrixResults.h"
#include "modes/year/frmShadingYear.h"
#include "modes/year/frmSunFromPlace.h"
#include "platform/Host.h"
#include "ui/ScreenParts.h"
#include "ui/Wizard.h"
#include "ui/WrappedOption.h"
#include "ui/frmGeomChoice.h"

using namespace mduUmbravel;

// The boxes get their initial texts before their change events are wired: only
// edits, and "Calculate", update the sun position.
frmSourceMode::frmSourceMode()
    : WizardScreen("frmSourceMode", "Setting the irradiation mode"),
      OptSingleSun(
          new WrappedOption("OptSingleSun",
                            "Single solar position only.  Set the solar altitude angle above the "
                            "horizon and the "
                            "azimuth angle from a perpendicular to the window, in degrees")),
      optDiffuse(new WrappedOption("optDiffuse",
                                   "Diffuse Radiation only. Diffuse USF values are "
                                   "computed for sky and ground "
                                   "separately, uniform sky brightness (constant radiance "
                                   "and luminance assumed).")),
      optMatrix(new WrappedOption("optMatrix",
                                  "Matrix of sun positions. This option calculates and "
                                  "displays a table of USF values "
                                  "for solar altitudes ranging from 0 to near 90 deg and "
                                  "azimuths over the same range.  "
                                  "Data files are generated for each of 5 azimuths, to "
                                  "facilitate plotting of results")),
      txtSolAlt(NewTextBox("txtSolAlt", "30", [this] { txtSolAlt_Change(); })),
      txtSolAzi(NewTextBox("txtSolAzi", "0.0001", [this] { txtSolAzi_Change(); })) {
    OptSingleSun->setChecked(true);

    auto* frameSolarChoice = NewFrame("frameSolarChoice", "Choose one of these options ");
    auto* options = new QVBoxLayout(frameSolarChoice);
    options->addWidget(OptSingleSun);
    options->addWidget(optDiffuse);
    options->addWidget(optMatrix);

    auto* angles = new QGridLayout;
    angles->addWidget(NewLabel("lblAlt", "Solar altitude angle"), 0, 0);
    angles->addWidget(txtSolAlt, 0, 1);
    angles->addWidget(NewLabel("lblSolAzi", "Solar azimuth angle"), 1, 0);
    angles->addWidget(txtSolAzi, 1, 1);
    angles->addWidget(
        NewButton("cmdFromPlace", "From place and time…", [this] { cmdFromPlace_Click(); }), 0, 2);
    angles->addWidget(
        NewButton("cmdShadingYear", "Shading over the year…", [this] { cmdShadingYear_Click(); }),
        1, 2);
    angles->setColumnStretch(3, 1);

    auto* cmdCalculate = NewButton("cmdCalculate", "Calculate", [this] { cmdCalculate_Click(); });
    MakeDefault(cmdCalculate);

    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel("lblTitle", "Solar Irradiation Mode", LabelKind::Title));
    screen->addWidget(frameSolarChoice);
    screen->addLayout(angles);
    screen->addStretch();
    screen->addLayout(NewButtonRow({
        cmdCalculate,
        NewButton("cmdPrevious", "Previous", [this] { cmdPrevious_Click(); }),
        NewButton("cmdExit", "Exit", [this] { cmdExit_Click(); }),
    }));
}

void frmSourceMode::txtSolAlt_Change() {
    StoreSolarAltitude(FromQt(txtSolAlt->text()));
}

// The shading procedures divide by a zero azimuth. Putting the stand-in into
// the box runs this event again, which then only stores it.
void frmSourceMode::txtSolAzi_Change() {
    if (ReadNumber(FromQt(txtSolAzi->text())) == 0) {
        ShowMessage(std::string(ZeroAzimuthMessage));
        txtSolAzi->setText(ToQt(std::string(ZeroAzimuthText)));
    }
    StoreSolarAzimuth(FromQt(txtSolAzi->text()));
}

// The angles are typed into the boxes, so that the rules for typed angles apply.
void frmSourceMode::cmdFromPlace_Click() {
    (new frmSunFromPlace(this, [this](const std::string& altitude, const std::string& azimuth) {
        txtSolAlt->setText(ToQt(altitude));
        txtSolAzi->setText(ToQt(azimuth));
    }))->show();
}

void frmSourceMode::cmdShadingYear_Click() {
    (new frmShadingYear(this))->show();
}

void frmSourceMode::cmdCalculate_Click() {
    if (OptSingleSun->isChecked()) {
        SourceMode = 1;
    }
    if (optDiffuse->isChecked()) {
        SourceMode = 2;
    }
    if (optMatrix->isChecked()) {
        SourceMode = 3;
    }
    if (SourceMode == 1) {
        StoreSolarAltitude(FromQt(txtSolAlt->text()));
        StoreSolarAzimuth(FromQt(txtSolAzi->text()));
        Wizard::HandOver<frmBeamResults>(this);
    } else if (SourceMode == 2) {
        Wizard::HandOver<frmDiffuseResults>(this);
    } else {
        Wizard::HandOver<frmMatrixResults>(this);
    }
}

void frmSourceMode::cmdPrevious_Click() {
    Wizard::HandOver<frmGeomChoice>(this);
}

void frmSourceMode::cmdExit_Click() {
    EndProgram();
}
