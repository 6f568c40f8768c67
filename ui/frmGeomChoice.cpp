#include "ui/frmGeomChoice.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/mduUmbravel.h"
#include "output/frmPathFileName.h"
#include "platform/Host.h"
#include "ui/ScreenParts.h"
#include "ui/Wizard.h"
#include "ui/WrappedOption.h"
#include "ui/frmGeomValues.h"

using namespace mduUmbravel;

frmGeomChoice::frmGeomChoice()
    : WizardScreen("frmGeomChoice", "Choosing the shading device geometry"),
      optGeom1(new WrappedOption("optGeom1",
                                 "Awning with side walls or an overhang only.  Output can go to "
                                 "Five data files: AWNONLY1.DAT through AWNONLY5.DAT.")),
      optGeom2(new WrappedOption("optGeom2",
                                 "Vertical side fins projecting out  from the  wall.  Output can "
                                 "go to five data files: SIDEFIN1.DAT through SIDEFIN5.DAT.")),
      OptGeom3(
          new WrappedOption("OptGeom3", "Both awining and side fins." + QString(23, ' ') +
                                            "Output can go to five data files:" + QString(27, ' ') +
                                            "AWN&FIN1.DAT through AWN&FIN5.DAT.")) {
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

    auto* cmdOK = NewButton("cmdOK", "Continue", [this] { cmdOK_Click(); });
    MakeDefault(cmdOK);

    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel("lblGeomTitle", "Shading Device Geometry", LabelKind::Title));
    screen->addWidget(NewLabel("lblGeomText", "You have a choice of three shading geometries"));
    screen->addLayout(middle, 1);
    screen->addLayout(NewButtonRow({
        NewButton("cmdPrevious", "Previous", [this] { cmdPrevious_Click(); }),
        NewButton("cmdExit", "Exit", [this] { cmdExit_Click(); }),
        cmdOK,
    }));
}

void frmGeomChoice::Form_Load() {
    FillGeomModeNames();
    optGeom1->setChecked(true);
}

void frmGeomChoice::cmdOK_Click() {
    if (optGeom1->isChecked()) {
        GeomMode = 1;
    }
    if (optGeom2->isChecked()) {
        GeomMode = 2;
    }
    if (OptGeom3->isChecked()) {
        GeomMode = 3;
    }
    Wizard::HandOver<frmGeomValues>(this);
}

void frmGeomChoice::cmdPrevious_Click() {
    Wizard::HandOver<frmPathFileName>(this);
}

void frmGeomChoice::cmdExit_Click() {
    EndProgram();
}
