#include "screens/device/frmGeomValues.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "model/DimensionEntry.h"
#include "platform/Host.h"
#include "screens/device/DevicePreview.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/DeviceWords.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/ScrollingPart.h"
#include "screens/kit/UserSettings.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/mduUmbravel.h"

using namespace mduUmbravel;

namespace {

// One entry of the column: its description above, its symbol, its box and its unit below.
void AddEntry(QGridLayout* column, QWidget* symbol, QLabel* description, QWidget* entry,
              QLabel* unit) {
    const int row = column->rowCount();
    column->addWidget(description, row, 1);
    column->addWidget(symbol, row + 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    column->addWidget(entry, row + 1, 1);
    column->addWidget(unit, row + 1, 2);
}

// The boxes take their names from their captions, which follow the device chosen.
constexpr ControlWords GeomValuesControls[] = {
    {"cboUnit", "Unit of length", "The unit the lengths are shown in; the numbers stay as typed"},
    {"txtWP", nullptr,
     "W', from the window's far side edge out to the end of the device, in the unit chosen above"},
    {"txtW", nullptr, "The window's width W, in the unit chosen above"},
    {"picDeltaW", "W' - W",
     "A plan of the device's width against the window's width; the difference stands beside it"},
    {"txtH", nullptr, "The window's height H, in the unit chosen above"},
    {"txtLh", nullptr,
     "The height h of the device's front edge above the window's bottom edge, in the unit chosen "
     "above"},
    {"txtLhP", nullptr,
     "How much higher h' the device meets the wall than its front edge, in the unit chosen above"},
    {"txtL", nullptr,
     "The device's depth L, from the wall to its front edge, in the unit chosen above"},
    {"Picture1", "Dimensions of the device",
     "A window with a sloped awning and a side fin, every dimension marked"},
    {"optDrawn", nullptr, "The device stands as drawn, past one side of the window with one fin"},
    {"optMirrored", nullptr,
     "The device is the same on both sides of the window, with a fin at each"},
    {"txtGeomCase", nullptr, "A line of your own naming this case in the print and data files"},
    {"cmdPrevious", nullptr, "Goes back to the choice of shading device"},
    {"cmdContinue", nullptr,
     "Checks the dimensions and goes on to the header line of the print file"},
    {"cmdExit", nullptr, "Ends the program"},
};

}  // namespace

frmGeomValues::frmGeomValues()
    : WizardScreen("frmGeomValues", ""),
      txtWP(NewNumberBox("txtWP", "", [this] { txtWP_Change(); })),
      txtW(NewNumberBox("txtW", "", [this] { txtW_Change(); })),
      lblDelW(NewLabel("lblDelW", "")),
      txtH(NewNumberBox("txtH")),
      txtLh(NewNumberBox("txtLh")),
      txtLhP(NewNumberBox("txtLhP")),
      txtL(NewNumberBox("txtL")),
      txtGeomCase(NewTextBox("txtGeomCase", "", [this] { txtGeomCase_Change(); })),
      lblAwnWidth(NewLabel("lblAwnWidth", "", LabelKind::Paragraph)),
      lblFinHeight(NewLabel("lblFinHeight", "", LabelKind::Paragraph)),
      lblHprime(NewLabel("lblHprime", "", LabelKind::Paragraph)),
      lblBL(NewLabel("lblBL", "", LabelKind::Paragraph)),
      optDrawn(new QRadioButton("As &drawn: the plate past one side, one fin")),
      optMirrored(new QRadioButton("The same on &both sides: the plate past both, a fin at each")) {
    const char* unitNames[] = {"lblUnitWP", "lblUnitW",   "lblUnitDelW", "lblUnitH",
                               "lblUnitLh", "lblUnitLhP", "lblUnitL"};
    for (std::size_t k = 0; k < lblUnits.size(); ++k)
        lblUnits[k] = NewLabel(unitNames[k], "");
    cboUnit = new QComboBox;
    cboUnit->setObjectName("cboUnit");
    for (const LengthUnitNames& unit : LengthUnitTable)
        cboUnit->addItem(ToQt(unit.caption));
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(NewLabel("lblUnit", "Lengths in"));
    unitRow->addWidget(cboUnit);
    unitRow->addStretch();

    auto* column = new QGridLayout;
    AddEntry(column, NewLabel("lblWP", " W'"), lblAwnWidth, txtWP, lblUnits[0]);
    AddEntry(column, NewLabel("lblW", " W"),
             NewLabel("lblWindowWidth", "Window Width", LabelKind::Paragraph), txtW, lblUnits[1]);
    AddEntry(column, NewDrawing("picDeltaW", Drawing::DeltaW),
             NewLabel("lblDelta", "W' - W", LabelKind::Paragraph), lblDelW, lblUnits[2]);
    AddEntry(column, NewLabel("lblH", " H"),
             NewLabel("lblWindowHeight", "Window Height", LabelKind::Paragraph), txtH, lblUnits[3]);
    AddEntry(column, NewLabel("lblLh", "h"), lblFinHeight, txtLh, lblUnits[4]);
    AddEntry(column, NewLabel("lblLhp", "h'"), lblHprime, txtLhP, lblUnits[5]);
    AddEntry(column, NewLabel("lblL", "L"), lblBL, txtL, lblUnits[6]);
    column->setRowStretch(column->rowCount(), 1);
    // Keeps the descriptions to two or three lines on a narrow screen.
    column->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 32);

    auto* drawingSide = new QVBoxLayout;
    drawingSide->addWidget(NewDrawing("Picture1", Drawing::DimensionedAwning), 1);
    drawingSide->addWidget(new DevicePreview(DimensionBoxes()));
    optDrawn->setObjectName("optDrawn");
    optMirrored->setObjectName("optMirrored");
    optDrawn->setChecked(true);
    drawingSide->addWidget(optDrawn);
    drawingSide->addWidget(optMirrored);
    drawingSide->addWidget(
        NewLabel("lblGeomCase", "Optional geometry case description for print and data files:"));
    drawingSide->addWidget(txtGeomCase);

    auto* entrySide = new QVBoxLayout;
    entrySide->addLayout(unitRow);
    entrySide->addLayout(column, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(drawingSide, 3);
    middle->addLayout(entrySide, 2);

    auto* cmdContinue = NewButton("cmdContinue", "&Continue", [this] { cmdContinue_Click(); });
    MakeDefault(cmdContinue);

    // The drawings and entries scroll on a small display; the buttons stay.
    auto* entries = new QWidget;
    entries->setLayout(middle);
    auto* screen = new QVBoxLayout(this);
    auto* scrolling = new ScrollingPart("scrEntries", entries, fontMetrics().lineSpacing() * 10);
    screen->addWidget(scrolling, 1);
    screen->addLayout(NewButtonRow({
        NewButton("cmdPrevious", "&Previous", [this] { cmdPrevious_Click(); }),
        cmdContinue,
        NewButton("cmdExit", "E&xit", [this] { cmdExit_Click(); }),
    }));

    // Tab follows the column from the top, then the case description; the first box has the
    // focus.
    const auto boxes = DimensionBoxes();
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        setTabOrder(boxes[i - 1], boxes[i]);
    }
    setTabOrder(boxes.back(), txtGeomCase);
    txtWP->setFocus();
    SayControls(this, GeomValuesControls);
}

void frmGeomValues::Form_Load() {
    const DeviceWords& words = WordsFor(GeomMode);
    setWindowTitle(words.dimensionsTitle);
    lblAwnWidth->setText(words.widthLabel);
    lblFinHeight->setText(words.frontHeightLabel);
    lblHprime->setText(words.heightDifferenceLabel);
    lblBL->setText(words.depthLabel);
    txtGeomCase->setText(ToQt(GeomCaseText));
    const DimensionTexts& kept = Kept.dimensions;
    txtWP->setText(ToQt(kept.WP));
    txtW->setText(ToQt(kept.W));
    txtH->setText(ToQt(kept.H));
    txtLh->setText(ToQt(kept.Lh));
    txtLhP->setText(ToQt(kept.LhP));
    txtL->setText(ToQt(kept.L));
    (Kept.layout == DeviceLayout::Mirrored ? optMirrored : optDrawn)->setChecked(true);
    cboUnit->setCurrentIndex(static_cast<int>(Kept.unit));
    cboUnit_Change();
    connect(cboUnit, &QComboBox::currentIndexChanged, this, [this] { cboUnit_Change(); });
    // Kept from here on, once every box shows what was kept.
    for (QLineEdit* box : DimensionBoxes()) {
        connect(box, &QLineEdit::textChanged, this, [this] { Kept.dimensions = Entries(); });
    }
    connect(optMirrored, &QRadioButton::toggled, this, [this] { Kept.layout = ChosenLayout(); });
}

DeviceLayout frmGeomValues::ChosenLayout() const {
    return optMirrored->isChecked() ? DeviceLayout::Mirrored : DeviceLayout::Drawn;
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

// The unit is for the eye: the lengths keep their numbers.
void frmGeomValues::cboUnit_Change() {
    const LengthUnit unit = LengthUnitTable[static_cast<std::size_t>(cboUnit->currentIndex())].unit;
    if (unit != Kept.unit) {
        Kept.unit = unit;
        SaveLengthUnit(unit);
    }
    const std::string_view symbol = NamesOf(unit).option;
    for (QLabel* label : lblUnits)
        label->setText(ToQt(symbol));
}

void frmGeomValues::txtGeomCase_Change() {
    GeomCaseText = FromQt(txtGeomCase->text());
}

std::array<QLineEdit*, 6> frmGeomValues::DimensionBoxes() const {
    return {txtWP, txtW, txtH, txtLh, txtLhP, txtL};
}

DimensionTexts frmGeomValues::Entries() const {
    return {FromQt(txtWP->text()), FromQt(txtW->text()),  FromQt(lblDelW->text()),
            FromQt(txtH->text()),  FromQt(txtLh->text()), FromQt(txtLhP->text()),
            FromQt(txtL->text())};
}

void frmGeomValues::cmdContinue_Click() {
    const DimensionTexts entries = Entries();
    const DeviceLayout layout = ChosenLayout();
    if (const auto refused = RefuseDimensions(entries, layout, WordsFor(GeomMode).widthLabel)) {
        ShowMessage(refused->message);
        QLineEdit* box = DimensionBoxes()[static_cast<std::size_t>(refused->box)];
        box->setFocus();
        box->selectAll();
        return;
    }
    StoreDimensions(entries);
    Layout = layout;
    Wizard::HandOver(this, Wizard::Step::HeaderText);
}

void frmGeomValues::cmdPrevious_Click() {
    Wizard::HandOver(this, Wizard::Step::GeomChoice);
}

void frmGeomValues::cmdExit_Click() {
    EndProgram();
}
