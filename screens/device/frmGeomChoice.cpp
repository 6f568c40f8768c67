#include "screens/device/frmGeomChoice.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/WrappedOption.h"
#include "screens/kit/mduUmbravel.h"

using namespace mduUmbravel;

namespace {

constexpr ControlWords GeomChoiceControls[] = {
    {"optGeom1", nullptr, "Chooses an awning, with or without side walls, or a flat overhang"},
    {"optGeom2", nullptr, "Chooses vertical side fins only"},
    {"OptGeom3", nullptr, "Chooses an awning with side fins"},
    {"Picture1", "Flat overhang", "A flat overhang over a window"},
    {"Picture2", "Awning with side walls", "A sloped awning with side walls over a window"},
    {"Picture3", "Awning frame", "An awning frame with side walls"},
    {"Picture4", "Side fins", "A pair of vertical side fins beside a window"},
    {"cmdPrevious", nullptr, "Goes back to the folder and name of the print file"},
    {"cmdExit", nullptr, "Ends the program"},
    {"cmdOK", nullptr, "Goes on to the dimensions of the chosen device"},
};

}  // namespace

frmGeomChoice::frmGeomChoice()
    : WizardScreen("frmGeomChoice", "Choosing the shading device geometry"),
      optGeom1(new WrappedOption("optGeom1",
                                 "Awning with side walls or an overhang only.  Output can go to "
                                 "Five data files: AWNONLY1.DAT through AWNONLY5.DAT.",
                                 'A')),
      optGeom2(new WrappedOption("optGeom2",
                                 "Vertical side fins projecting out  from the  wall.  Output can "
                                 "go to five data files: SIDEFIN1.DAT through SIDEFIN5.DAT.",
                                 'V')),
      OptGeom3(new WrappedOption("OptGeom3",
                                 "Both awning and side fins." + QString(23, ' ') +
                                     "Output can go to five data files:" + QString(27, ' ') +
                                     "AWN&FIN1.DAT through AWN&FIN5.DAT.",
                                 'B')),
      geomModes(new QButtonGroup(this)) {
    geomModes->addButton(optGeom1, static_cast<int>(Geometry::Awning));
    geomModes->addButton(optGeom2, static_cast<int>(Geometry::Fins));
    geomModes->addButton(OptGeom3, static_cast<int>(Geometry::AwningAndFins));

    auto* frameGeomOptions = NewFrame("frameGeomOptions", "Select shade geometry");
    auto* options = new QVBoxLayout(frameGeomOptions);
    options->addWidget(optGeom1);
    options->addWidget(optGeom2);
    options->addWidget(OptGeom3);
    options->addStretch();

    auto* pictures = new QGridLayout;
    pictures->addWidget(NewDrawing("Picture1", Drawing::FlatOverhang), 0, 0);
    pictures->addWidget(NewDrawing("Picture2", Drawing::AwningWithSideWalls), 0, 1);
    pictures->addWidget(NewDrawing("Picture3", Drawing::AwningFrame), 1, 0);
    pictures->addWidget(NewDrawing("Picture4", Drawing::SideFins), 1, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(frameGeomOptions, 1);
    middle->addLayout(pictures, 1);

    auto* cmdOK = NewButton("cmdOK", "&Continue", [this] { cmdOK_Click(); });
    MakeDefault(cmdOK);

    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel("lblGeomTitle", "Shading Device Geometry", LabelKind::Title));
    screen->addWidget(NewLabel("lblGeomText", "You have a choice of three shading geometries"));
    screen->addLayout(middle, 1);
    screen->addLayout(NewButtonRow({
        NewButton("cmdPrevious", "&Previous", [this] { cmdPrevious_Click(); }),
        NewButton("cmdExit", "E&xit", [this] { cmdExit_Click(); }),
        cmdOK,
    }));
    SayControls(this, GeomChoiceControls);
}

void frmGeomChoice::Form_Load() {
    QAbstractButton* chosen = geomModes->button(static_cast<int>(GeomMode));
    chosen->setChecked(true);
    chosen->setFocus();
}

void frmGeomChoice::cmdOK_Click() {
    if (geomModes->checkedId() != -1) {
        GeomMode = static_cast<Geometry>(geomModes->checkedId());
    }
    Wizard::HandOver(this, Wizard::Step::GeomValues);
}

void frmGeomChoice::cmdPrevious_Click() {
    Wizard::HandOver(this, Wizard::Step::OutputFiles);
}

void frmGeomChoice::cmdExit_Click() {
    EndProgram();
}
