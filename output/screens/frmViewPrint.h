#pragma once

#include <functional>

#include "screens/kit/WizardScreen.h"

class QPlainTextEdit;
class QPrinter;
class QPushButton;

// Sets up the printer before the print file is printed: Qt's print dialog, unless another way
// is installed (tests print to a PDF file without a dialog). False when the user cancels.
using PrintSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;

// An empty setup restores Qt's print dialog.
void InstallPrintSetup(PrintSetup setup);

// The print file as it stands, read-only in a fixed-pitch font so that its columns line up, with
// a button that prints it.
class frmViewPrint : public WizardScreen {
    Q_OBJECT

  public:
    frmViewPrint();

  protected:
    void Form_Load() override;

  private:
    void cmdPrint_Click();
    void cmdClose_Click();

    QPlainTextEdit* txtPrintFile;
    QPushButton* cmdPrint;
};
