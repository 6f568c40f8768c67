#include "modes/matrix/screens/frmMatrixResults.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

#include "model/FractionRange.h"
#include "modes/matrix/screens/MatrixChart.h"
#include "output/MatrixReport.h"
#include "output/MatrixRun.h"
#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/DeviceWords.h"
#include "screens/kit/RangeWarning.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/mduUmbravel.h"

namespace {

// Text lines the box shows as the screen opens: the table's top rows, which leave the screen's
// buttons on a 768-pixel display; the rest scrolls.
constexpr int ShownLines = 24;

// The table's columns line up only in a fixed-pitch face. The box asks for room for the whole
// table and its 82 columns, and can be made smaller.
class ResultsBox : public QPlainTextEdit {
  public:
    ResultsBox() {
        setObjectName("txtMatrixResults");
        setReadOnly(true);
        setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setTabChangesFocus(true);
        const QFontMetrics metrics(font());
        setMinimumSize(metrics.horizontalAdvance(QString(40, 'n')), metrics.lineSpacing() * 8);
    }

    QSize sizeHint() const override {
        const QFontMetrics metrics(font());
        const int frame = 2 * (frameWidth() + static_cast<int>(document()->documentMargin()));
        return {metrics.horizontalAdvance(QString(82, 'n')) + frame +
                    verticalScrollBar()->sizeHint().width(),
                metrics.lineSpacing() * ShownLines + frame};
    }
};

// The chart describes itself once it is drawn.
constexpr ControlWords MatrixControls[] = {
    {"txtMatrixResults", "Table of beam unshaded fractions",
     "The beam unshaded fraction for each solar altitude, one column per azimuth, as the print "
     "file holds it"},
    {"cmdSavePicture", nullptr, "Saves the chart as a picture file"},
    {"cmdNewGeom", nullptr, "Goes back to the choice of shading device"},
    {"cmdPrevious", nullptr, "Goes back to the choice of irradiation mode"},
    {"cmdFinish", nullptr, "Goes on to the list of the files saved"},
    {"cmdExit", nullptr, "Ends the program; the table and its data files are already saved"},
};

}  // namespace

frmMatrixResults::frmMatrixResults()
    : WizardScreen("frmMatrixResults", "Beam Unshaded Fraction for a Matrix of Sun Positions"),
      lblDate(NewLabel("lblDate", "")),
      lblTime(NewLabel("lblTime", "")),
      lblDimen(NewLabel("lblDimen", "")),
      txtMatrixResults(new ResultsBox),
      lblMatrixWarning(NewRangeWarning("lblMatrixWarning", TableOutsideUnitRangeWarning)),
      chart(new MatrixChart) {
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel(
        "lblTitle", "UMBRAVEL 3.0  Awning Shading Algorithm  Results -- Matrix of Beam Values",
        LabelKind::Title));
    screen->addWidget(lblDate);
    screen->addWidget(lblTime);
    screen->addWidget(lblDimen);
    auto* results = new QHBoxLayout;
    results->addWidget(txtMatrixResults, 1);
    results->addWidget(chart, 1);
    screen->addLayout(results, 1);
    screen->addWidget(lblMatrixWarning);
    QPushButton* cmdFinish = NewButton("cmdFinish", "&Finish", [this] { cmdFinish_Click(); });
    MakeDefault(cmdFinish);
    screen->addLayout(NewButtonRow({
        NewButton("cmdNewGeom", "New &Geom Mode", [this] { cmdNewGeom_Click(); }),
        NewButton("cmdPrevious", "New &Source Mode", [this] { cmdPrevious_Click(); }),
        cmdFinish,
        NewButton("cmdExit", "E&xit", [this] { cmdExit_Click(); }),
    }));
    SayControls(this, MatrixControls);
}

void frmMatrixResults::Form_Load() {
    lblDate->setText(ToQt(MatrixDateCaption()));
    lblTime->setText(ToQt(MatrixTimeCaption()));
    const ShadingCase c = mduUmbravel::CurrentCase();
    lblDimen->setText(ToQt(c.output.headerText));
    // The text box shows lines, not the CR LF that ends each of them.
    const MatrixModeRun run = RunMatrixMode(c);
    mduUmbravel::MatrixFilesWritten.insert(c.geometry);
    txtMatrixResults->setPlainText(ToQt(run.text).replace("\r\n", "\n"));
    lblMatrixWarning->setVisible(run.outsideUnitRange);
    // The chart draws the table's own sweep, so that its lines are the table's columns.
    chart->Show(
        run.results.report, c.output.dataPath,
        QStringList{ToQt(DeviceAndDateInWords(c.geometry, c.layout)),
                    ToQt(DimensionsInWords(c.geometry, c.dimensions, mduUmbravel::Kept.unit))});
}

void frmMatrixResults::cmdNewGeom_Click() {
    Wizard::HandOver(this, Wizard::Step::GeomChoice);
}

void frmMatrixResults::cmdPrevious_Click() {
    Wizard::HandOver(this, Wizard::Step::SourceMode);
}

void frmMatrixResults::cmdFinish_Click() {
    Wizard::HandOver(this, Wizard::Step::Saved);
}

// The data files and the section were written as the screen opened: nothing is left unsaved.
void frmMatrixResults::cmdExit_Click() {
    EndProgram();
}
