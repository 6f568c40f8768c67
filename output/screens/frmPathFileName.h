#pragma once

#include "screens/kit/WizardScreen.h"

class QLabel;
class QLineEdit;

// The output-files screen: the data folder, the print file name, the default folder kept from
// run to run, and whether the print file starts afresh or is appended to.
class frmPathFileName : public WizardScreen {
    Q_OBJECT

  public:
    frmPathFileName();

  protected:
    void Form_Load() override;

  private:
    void txtPath_Change();
    void txtPrintFileName_Change();
    void cmdBrowse_Click();
    void cmdDefault_Click();
    void cmdRestore_Click();
    void cmdKeep_Click();
    void cmdPrev_Click();
    void cmdExit_Click();
    void cmdContinue_Click();

    void ShowPrintFilePath();
    bool OutputPlaceSettled();
    bool StartAfreshConfirmed();

    QLineEdit* txtPath;
    QLineEdit* txtPrintFileName;
    QLabel* lblPrintFilePath;
    QLabel* lblAppending;
    QLabel* lblHint;
};
