#include "modes/matrix/frmMatrixResults.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/mduUmbravel.h"
#include "modes/beam/frmSourceMode.h"
#include "modes/matrix/MatrixDataFiles.h"
#include "modes/matrix/MatrixReport.h"
#include "output/frmSaved.h"
#include "ui/MatrixChart.h"
#include "ui/ScreenParts.h"
#include "ui/Wizard.h"
#include "ui/frmGeomChoice.h"

namespace {

// The table's columns line up only in a fixed-pitch face: 80 columns, a screenful of rows.
QPlainTextEdit* NewResultsBox() {
    auto* box = NewTextArea("txtMatrixResults", TextAreaKind::ScrollingBothWays, 1, 1);
    box->setReadOnly(true);
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const QFontMetrics metrics(box->font());
    box->setMinimumSize(metrics.horizontalAdvance(QString(82, 'n')) + 40,
                        metrics.lineSpacing() * 24);
    return box;
}

}  // namespace

frmMatrixResults::frmMatrixResults()
    : WizardScreen("frmMatrixResults", "Beam Unshaded Fraction for a Matrix of Sun Positions"),
      lblDate(NewLabel("lblDate", "")),
      lblTime(NewLabel("lblTime", "")),
      lblDimen(NewLabel("lblDimen", "")),
      txtMatrixResults(NewResultsBox()),
      chart(new MatrixChart) {
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel(
        "lblTitle", "UMBRAVEL 3.0  Awnining Shading Algorithm  Results -- Matrix of Beam Values",
        LabelKind::Title));
    screen->addWidget(lblDate);
    screen->addWidget(lblTime);
    screen->addWidget(lblDimen);
    auto* results = new QHBoxLayout;
    results->addWidget(txtMatrixResults, 1);
    results->addWidget(chart, 1);
    screen->addLayout(results, 1);
    QPushButton* cmdExit = NewButton("cmdExit", "Finish", [this] { cmdExit_Click(); });
    MakeDefault(cmdExit);
    screen->addLayout(NewButtonRow({
        NewButton("cmdNewGeom", "New Geom Mode", [this] { cmdNewGeom_Click(); }),
        NewButton("cmdPrevious", "New Source Mode", [this] { cmdPrevious_Click(); }),
        cmdExit,
    }));
}

void frmMatrixResults::Form_Load() {
    lblDate->setText(ToQt(MatrixDateCaption()));
    lblTime->setText(ToQt(MatrixTimeCaption()));
    lblDimen->setText(ToQt(mduUmbravel::HeaderText));
    // The text box shows lines, not the CR LF that ends each of them.
    txtMatrixResults->setPlainText(ToQt(RunMatrixReport()).replace("\r\n", "\n"));
    RunMatrixDataFiles();
    chart->Show();
}

void frmMatrixResults::cmdNewGeom_Click() {
    Wizard::HandOver<frmGeomChoice>(this);
}

void frmMatrixResults::cmdPrevious_Click() {
    Wizard::HandOver<frmSourceMode>(this);
}

void frmMatrixResults::cmdExit_Click() {
    Wizard::HandOver<frmSaved>(this);
}
