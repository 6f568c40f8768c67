#pragma once

#include "screens/kit/WizardScreen.h"

class QLabel;

// The closing screen: where the print file and the data files of the run lie, with the choice
// to repeat from the output-files screen or to end the program.
class frmSaved : public WizardScreen {
    Q_OBJECT

  public:
    frmSaved();

  protected:
    void Form_Load() override;

  private:
    void cmdRepeat_Click();
    void cmdPrintIt_Click();
    void cmdExit_Click();

    QLabel* lblPrintFile;
    QLabel* lblDataFile;
    QLabel* lblDataFiles;
    QLabel* lblFileFolder;
};
