#include "screens/mode/frmSourceMode.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "base/NumberText.h"
#include "modes/beam/SunEntry.h"
#include "modes/year/screens/frmShadingYear.h"
#include "modes/year/screens/frmSunFromPlace.h"
#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/DisplayFit.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/WrappedOption.h"
#include "screens/kit/mduUmbravel.h"

using namespace mduUmbravel;

namespace {

constexpr ControlWords SourceModeControls[] = {
    {"OptSingleSun", nullptr,
     "Calculates the beam unshaded fraction for the one sun position below"},
    {"optDiffuse", nullptr,
     "Calculates the diffuse unshaded fractions of the sky and of the ground"},
    {"optMatrix", nullptr,
     "Calculates a table of beam unshaded fractions over solar altitudes and azimuths, and "
     "writes its data files"},
    {"txtSolAlt", nullptr, "The sun's height above the horizon, in degrees"},
    {"txtSolAzi", nullptr, "The sun's direction from the perpendicular to the window, in degrees"},
    {"cmdFromPlace", nullptr,
     "Finds the sun's altitude and azimuth from a place, a window facing and a local time"},
    {"cmdShadingYear", nullptr,
     "Shows the device's shading hour by hour over a year at a place, with or without weather"},
    {"cmdCalculate", nullptr, "Calculates in the chosen mode and shows the results"},
    {"cmdPrevious", nullptr, "Goes back to the choice of shading device"},
    {"cmdExit", nullptr, "Ends the program"},
};

}  // namespace

// The boxes get their initial texts before their change events are wired: only
// edits, and "Calculate", update the sun position.
frmSourceMode::frmSourceMode()
    : WizardScreen("frmSourceMode", "Setting the irradiation mode"),
      OptSingleSun(
          new WrappedOption("OptSingleSun",
                            "Single solar position only.  Set the solar altitude angle above the "
                            "horizon and the "
                            "azimuth angle from a perpendicular to the window, in degrees",
                            'S')),
      optDiffuse(new WrappedOption("optDiffuse",
                                   "Diffuse Radiation only. Diffuse USF values are "
                                   "computed for sky and ground "
                                   "separately, uniform sky brightness (constant radiance "
                                   "and luminance assumed).",
                                   'D')),
      optMatrix(new WrappedOption("optMatrix",
                                  "Matrix of sun positions. This option calculates and "
                                  "displays a table of USF values "
                                  "for solar altitudes ranging from 0 to near 90 deg and "
                                  "azimuths over the same range.  "
                                  "Data files are generated for each of 5 azimuths, to "
                                  "facilitate plotting of results",
                                  'M')),
      sourceModes(new QButtonGroup(this)),
      txtSolAlt(
          NewNumberBox("txtSolAlt", ToQt(Kept.solarAltitude), [this] { txtSolAlt_Change(); })),
      txtSolAzi(NewNumberBox("txtSolAzi", ToQt(Kept.solarAzimuth), [this] { txtSolAzi_Change(); })),
      lblAltUnit(NewLabel("lblAltUnit", "deg")),
      lblAziUnit(NewLabel("lblAziUnit", "deg")) {
    sourceModes->addButton(OptSingleSun, static_cast<int>(SourceMode::Beam));
    sourceModes->addButton(optDiffuse, static_cast<int>(SourceMode::Diffuse));
    sourceModes->addButton(optMatrix, static_cast<int>(SourceMode::Matrix));
    QAbstractButton* chosen = sourceModes->button(static_cast<int>(ChosenMode));
    (chosen != nullptr ? chosen : OptSingleSun)->setChecked(true);
    connect(sourceModes, &QButtonGroup::idToggled, this, [this] { frameSolarChoice_Click(); });
    // The zero-azimuth rule waits until the entry is finished: Enter or leaving the box.
    connect(txtSolAzi, &QLineEdit::editingFinished, this, [this] { txtSolAzi_Validate(); });

    auto* frameSolarChoice = NewFrame("frameSolarChoice", "Choose one of these options ");
    auto* options = new QVBoxLayout(frameSolarChoice);
    options->addWidget(OptSingleSun);
    options->addWidget(optDiffuse);
    options->addWidget(optMatrix);

    auto* angles = new QGridLayout;
    angles->addWidget(NewLabel("lblAlt", "Solar altitude angle"), 0, 0);
    angles->addWidget(txtSolAlt, 0, 1);
    angles->addWidget(lblAltUnit, 0, 2);
    angles->addWidget(NewLabel("lblSolAzi", "Solar azimuth angle"), 1, 0);
    angles->addWidget(txtSolAzi, 1, 1);
    angles->addWidget(lblAziUnit, 1, 2);
    angles->addWidget(
        NewButton("cmdFromPlace", "From place and &time…", [this] { cmdFromPlace_Click(); }), 0, 3);
    angles->addWidget(
        NewButton("cmdShadingYear", "Shading over the &year…", [this] { cmdShadingYear_Click(); }),
        1, 3);
    angles->setColumnStretch(4, 1);

    auto* cmdCalculate = NewButton("cmdCalculate", "&Calculate", [this] { cmdCalculate_Click(); });
    MakeDefault(cmdCalculate);
    auto* cmdPrevious = NewButton("cmdPrevious", "&Previous", [this] { cmdPrevious_Click(); });
    auto* cmdExit = NewButton("cmdExit", "E&xit", [this] { cmdExit_Click(); });
    // A click leaves the focus in the azimuth box: a message shown as the box lost the focus
    // would swallow the click. "Calculate" applies the zero rule itself; another mode disables
    // the box and needs no azimuth.
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             OptSingleSun, optDiffuse, optMatrix, cmdCalculate, cmdPrevious, cmdExit}) {
        button->setFocusPolicy(Qt::TabFocus);
    }

    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel("lblTitle", "Solar Irradiation Mode", LabelKind::Title));
    screen->addWidget(frameSolarChoice);
    screen->addLayout(angles);
    screen->addStretch();
    screen->addLayout(NewButtonRow({cmdCalculate, cmdPrevious, cmdExit}));
    frameSolarChoice_Click();
    txtSolAlt->setFocus();
    SayControls(this, SourceModeControls);
}

void frmSourceMode::txtSolAlt_Change() {
    Kept.solarAltitude = FromQt(txtSolAlt->text());
    StoreSolarAltitude(Kept.solarAltitude);
}

void frmSourceMode::txtSolAzi_Change() {
    Kept.solarAzimuth = FromQt(txtSolAzi->text());
    StoreSolarAzimuth(Kept.solarAzimuth);
}

// The angles are typed into the boxes, so that the rules for typed angles apply.
void frmSourceMode::cmdFromPlace_Click() {
    auto* place =
        new frmSunFromPlace(this, [this](const std::string& altitude, const std::string& azimuth) {
            txtSolAlt->setText(ToQt(altitude));
            txtSolAzi->setText(ToQt(azimuth));
        });
    ShowBeside(place);
}

void frmSourceMode::cmdShadingYear_Click() {
    auto* year = new frmShadingYear(this);
    ShowBeside(year);
}

// Leaving the box for another mode, whose calculation ignores the angles, needs no message.
void frmSourceMode::txtSolAzi_Validate() {
    if (OptSingleSun->isChecked()) {
        ApplyZeroAzimuthRule();
    }
}

// The angles count only for a single sun position.
void frmSourceMode::frameSolarChoice_Click() {
    const bool singleSun = OptSingleSun->isChecked();
    // A box about to be disabled would hand the focus on to the next button, which Enter would
    // then press: the chosen mode takes it, so that Enter calculates.
    if (!singleSun && (focusWidget() == txtSolAlt || focusWidget() == txtSolAzi))
        sourceModes->checkedButton()->setFocus(Qt::OtherFocusReason);
    for (QWidget* control :
         std::initializer_list<QWidget*>{txtSolAlt, txtSolAzi, lblAltUnit, lblAziUnit}) {
        control->setEnabled(singleSun);
    }
}

// The shading procedures divide by a zero azimuth. The stand-in is in the box before the
// message shows, so that the focus the message takes finds nothing left to replace.
void frmSourceMode::ApplyZeroAzimuthRule() {
    if (ReadNumber(FromQt(txtSolAzi->text())) == 0) {
        txtSolAzi->setText(ToQt(ZeroAzimuthText));
        ShowMessage(std::string(ZeroAzimuthMessage));
    }
}

bool frmSourceMode::SunAnglesUsable() {
    const auto refused = RefuseSunAngles(FromQt(txtSolAlt->text()), FromQt(txtSolAzi->text()));
    if (refused) {
        ShowMessage(refused->message);
        (refused->box == SunBox::Altitude ? txtSolAlt : txtSolAzi)->setFocus();
    }
    return !refused;
}

void frmSourceMode::cmdCalculate_Click() {
    if (sourceModes->checkedId() != -1) {
        mduUmbravel::ChosenMode = static_cast<SourceMode>(sourceModes->checkedId());
    }
    if (mduUmbravel::ChosenMode == SourceMode::Beam) {
        ApplyZeroAzimuthRule();
        if (!SunAnglesUsable()) {
            return;
        }
        StoreSolarAltitude(FromQt(txtSolAlt->text()));
        StoreSolarAzimuth(FromQt(txtSolAzi->text()));
        Wizard::HandOver(this, Wizard::Step::BeamResults);
    } else if (mduUmbravel::ChosenMode == SourceMode::Diffuse) {
        Wizard::HandOver(this, Wizard::Step::DiffuseResults);
    } else {
        Wizard::HandOver(this, Wizard::Step::MatrixResults);
    }
}

void frmSourceMode::cmdPrevious_Click() {
    Wizard::HandOver(this, Wizard::Step::GeomChoice);
}

void frmSourceMode::cmdExit_Click() {
    EndProgram();
}
