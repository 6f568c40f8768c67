#include "ui/frmGeomValues.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "model/DimensionEntry.h"
#include "model/mduUmbravel.h"
#include "output/frmHeaderText.h"
#include "platform/Host.h"
#include "ui/DevicePreview.h"
#include "ui/ScreenParts.h"
#include "ui/Wizard.h"
#include "ui/frmGeomChoice.h"

using namespace mduUmbravel;

namespace {

// One entry of the column: its description above, its symbol and its box below.
void AddEntry(QGridLayout* column, QWidget* symbol, QLabel* description, QWidget* entry) {
    const int row = column->rowCount();
    column->addWidget(description, row, 1);
    column->addWidget(symbol, row + 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    column->addWidget(entry, row + 1, 1);
}

struct DividingLength {
    QLineEdit* box;
    const char* name;
};

}  // namespace

frmGeomValues::frmGeomValues()
    : WizardScreen("frmGeomValues", "Setting Awning Dimensions"),
      txtWP(NewTextBox("txtWP", "", [this] { txtWP_Change(); })),
      txtW(NewTextBox("txtW", "", [this] { txtW_Change(); })),
      lblDelW(NewLabel("lblDelW", "")),
      txtH(NewTextBox("txtH")),
      txtLh(NewTextBox("txtLh")),
      txtLhP(NewTextBox("txtLhP")),
      txtL(NewTextBox("txtL")),
      txtGeomCase(
          NewTextBox("txtGeomCase", "Default Dimensions", [this] { txtGeomCase_Change(); })) {
    auto* column = new QGridLayout;
    AddEntry(column, NewLabel("lblWP", " W'"),
             NewLabel("lblAwnWidth", "Awning Width", LabelKind::Paragraph), txtWP);
    AddEntry(column, NewLabel("lblW", " W"),
             NewLabel("lblWindowWidth", "Window Width", LabelKind::Paragraph), txtW);
    AddEntry(column, NewDrawing("picDeltaW", Drawing::DeltaW),
             NewLabel("lblDelta", "W' - W", LabelKind::Paragraph), lblDelW);
    AddEntry(column, NewLabel("lblH", " H"),
             NewLabel("lblWindowHeight", "Window Height", LabelKind::Paragraph), txtH);
    AddEntry(column, NewLabel("lblLh", "h"),
             NewLabel("lblFinHeight", "Height to top of fin or front edge of awning",
                      LabelKind::Paragraph),
             txtLh);
    AddEntry(
        column, NewLabel("lblLhp", "h'"),
        NewLabel("lblHprime", "Difference in heights of the front and back edges of the awning",
                 LabelKind::Paragraph),
        txtLhP);
    AddEntry(
        column, NewLabel("lblL", "L"),
        NewLabel("lblBL", "Perpendicular distance from wall to front edge of awning or side fin",
                 LabelKind::Paragraph),
        txtL);
    column->setRowStretch(column->rowCount(), 1);
    // Keeps the descriptions to two or three lines on a narrow screen.
    column->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 32);

    auto* drawingSide = new QVBoxLayout;
    drawingSide->addWidget(NewDrawing("Picture1", Drawing::DimensionedAwning), 1);
    drawingSide->addWidget(new DevicePreview({txtWP, txtW, txtH, txtLh, txtLhP, txtL}));
    drawingSide->addWidget(
        NewLabel("lblGeomCase", "Optional geometry case description for print and data files:"));
    drawingSide->addWidget(txtGeomCase);

    auto* middle = new QHBoxLayout;
    middle->addLayout(drawingSide, 3);
    middle->addLayout(column, 2);

    auto* cmdContinue = NewButton("cmdContinue", "Continue", [this] { cmdContinue_Click(); });
    MakeDefault(cmdContinue);

    auto* screen = new QVBoxLayout(this);
    screen->addLayout(middle, 1);
    screen->addLayout(NewButtonRow({
        NewButton("cmdPrevious", "Previous", [this] { cmdPrevious_Click(); }),
        cmdContinue,
        NewButton("cmdExit", "Exit", [this] { cmdExit_Click(); }),
    }));
}

void frmGeomValues::Form_Load() {
    GeomCaseText = FromQt(txtGeomCase->text());
    txtWP->setText(ToQt(PlainNumberText(3)));
    txtW->setText(ToQt(PlainNumberText(2)));
    txtH->setText(ToQt(PlainNumberText(4)));
    txtLh->setText(ToQt(PlainNumberText(3)));
    txtLhP->setText(ToQt(PlainNumberText(1)));
    txtL->setText(ToQt(PlainNumberText(3)));
}

void frmGeomValues::ShowDelW() {
    lblDelW->setText(ToQt(DelWText(FromQt(txtWP->text()), FromQt(txtW->text()))));
}

void frmGeomValues::txtWP_Change() {
    ShowDelW();
}

void frmGeomValues::txtW_Change() {
    ShowDelW();
}

void frmGeomValues::txtGeomCase_Change() {
    GeomCaseText = FromQt(txtGeomCase->text());
}

bool frmGeomValues::DividingLengthsNonZero() {
    const DividingLength lengths[] = {
        {txtW, "Window Width W"},
        {txtH, "Window Height H"},
        {txtL, "Distance L from the wall to the front edge"},
    };
    for (const auto& [box, name] : lengths) {
        if (ReadNumber(FromQt(box->text())) == 0) {
            ShowMessage(std::string(name) + " cannot be zero.");
            box->setFocus();
            return false;
        }
    }
    return true;
}

void frmGeomValues::cmdContinue_Click() {
    if (!DividingLengthsNonZero()) {
        return;
    }
    StoreDimensions({FromQt(txtWP->text()), FromQt(txtW->text()), FromQt(lblDelW->text()),
                     FromQt(txtH->text()), FromQt(txtLh->text()), FromQt(txtLhP->text()),
                     FromQt(txtL->text())});
    Wizard::HandOver<frmHeaderText>(this);
}

void frmGeomValues::cmdPrevious_Click() {
    Wizard::HandOver<frmGeomChoice>(this);
}

void frmGeomValues::cmdExit_Click() {
    EndProgram();
}
