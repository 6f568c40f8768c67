#include "output/screens/frmHeaderText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/HeaderLine.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/mduUmbravel.h"

using namespace mduUmbravel;

namespace {

constexpr ControlWords HeaderTextControls[] = {
    {"txtHeaderInfo", "Header text",
     "The line near the top of the print file that describes this run; the offered text follows "
     "the dimensions"},
    {"cmdPrevious", nullptr, "Goes back to the dimensions of the device"},
    {"cmdContinue", nullptr, "Goes on to the choice of irradiation mode"},
};

}  // namespace

frmHeaderText::frmHeaderText()
    : WizardScreen("frmHeaderText", "Setting Print and Data File Header Text"),
      txtHeaderInfo(NewTextBox("txtHeaderInfo", "", [this] { txtHeaderInfo_Change(); })),
      lblGeomCase(NewLabel("lblGeomCase", "", LabelKind::Paragraph)) {
    auto* cmdContinue = NewButton("cmdContinue", "&Continue", [this] { cmdContinue_Click(); });
    MakeDefault(cmdContinue);

    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel("lblHeaderInfo", "Header Text", LabelKind::Title));
    screen->addWidget(NewLabel("lblHeaderInstruct",
                               "Enter the descriptive text to go on a single line near the top of "
                               "the print file"));
    screen->addWidget(NewLabel("lblDefault", "(or accept the default text in the window below)"));
    screen->addWidget(txtHeaderInfo);
    screen->addWidget(lblGeomCase);
    screen->addStretch();
    screen->addLayout(NewButtonRow({
        NewButton("cmdPrevious", "&Previous", [this] { cmdPrevious_Click(); }),
        cmdContinue,
    }));
    SayControls(this, HeaderTextControls);
}

void frmHeaderText::Form_Load() {
    if (!Kept.headerTyped)
        HeaderText = DefaultHeaderText(GeomMode, ShadeGeometry);
    txtHeaderInfo->setText(ToQt(HeaderText));
    FitWholeText(txtHeaderInfo);
    lblGeomCase->setText(ToQt("Geometry Case Description: " + GeomCaseText));
}

void frmHeaderText::txtHeaderInfo_Change() {
    HeaderText = FromQt(txtHeaderInfo->text());
    Kept.headerTyped = HeaderText != DefaultHeaderText(GeomMode, ShadeGeometry);
}

void frmHeaderText::cmdContinue_Click() {
    Wizard::HandOver(this, Wizard::Step::SourceMode);
}

void frmHeaderText::cmdPrevious_Click() {
    Wizard::HandOver(this, Wizard::Step::GeomValues);
}
