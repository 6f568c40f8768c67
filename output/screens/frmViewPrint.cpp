#include "output/screens/frmViewPrint.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "base/PathText.h"
#include "output/OutputFiles.h"
#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/FixedPitchFont.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/mduUmbravel.h"

using namespace mduUmbravel;

namespace {

PrintSetup installedSetup;

bool SetUpPrinter(QPrinter& printer, QWidget* parent) {
    if (installedSetup) {
        return installedSetup(printer, parent);
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

// Room for the widest section, the matrix table of some 82 columns, and a page of lines.
constexpr int kColumns = 86;
constexpr int kLines = 30;

constexpr ControlWords ViewPrintControls[] = {
    {"txtPrintFile", "Print file", "The print file's text as it stands now"},
    {"cmdPrint", nullptr, "Prints the print file on a printer chosen in the print dialog"},
    {"cmdClose", nullptr, "Closes the print file's view"},
};

}  // namespace

void InstallPrintSetup(PrintSetup setup) {
    installedSetup = std::move(setup);
}

frmViewPrint::frmViewPrint()
    : WizardScreen("frmViewPrint", "Print file"),
      txtPrintFile(new QPlainTextEdit),
      cmdPrint(NewButton("cmdPrint", "&Print\u2026", [this] { cmdPrint_Click(); })) {
    CloseOnEscape();
    txtPrintFile->setObjectName("txtPrintFile");
    txtPrintFile->setReadOnly(true);
    txtPrintFile->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtPrintFile->setFont(FixedPitchFont());
    const QFontMetrics metrics(txtPrintFile->font());
    txtPrintFile->setMinimumSize(metrics.horizontalAdvance(QString(kColumns, 'M')),
                                 metrics.lineSpacing() * kLines);

    auto* cmdClose = NewButton("cmdClose", "&Close", [this] { cmdClose_Click(); });
    MakeDefault(cmdClose);

    auto* screen = new QVBoxLayout(this);
    screen->addWidget(txtPrintFile, 1);
    screen->addLayout(NewButtonRow({cmdPrint, cmdClose}));
    SayControls(this, ViewPrintControls);
}

// The file is shown as it stands now; one that cannot be read says so in place of its text.
void frmViewPrint::Form_Load() {
    const std::string path = PrintFilePath();
    setWindowTitle(ToQt("Print file " + ShortPathText(path)));
    QFile file(ToQt(path));
    if (!file.open(QIODevice::ReadOnly)) {
        txtPrintFile->setPlainText("The print file cannot be read: " + file.errorString());
        cmdPrint->setEnabled(false);
        return;
    }
    txtPrintFile->setPlainText(QString::fromUtf8(file.readAll()).remove('\r'));
}

void frmViewPrint::cmdPrint_Click() {
    QPrinter printer;
    if (!SetUpPrinter(printer, this)) {
        return;
    }
    txtPrintFile->print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        ShowMessage("The print file could not be printed.");
    }
}

void frmViewPrint::cmdClose_Click() {
    close();
}
