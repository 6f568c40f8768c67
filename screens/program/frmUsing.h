#pragma once

#include "screens/kit/WizardScreen.h"

class QLabel;
class QPlainTextEdit;

// The information screen: how to use the program and how it works, read from the usage file.
class frmUsing : public WizardScreen {
    Q_OBJECT

  public:
    frmUsing();

  protected:
    void Form_Load() override;

  private:
    void cmdPrev_Click();
    void cmdAbout_Click();
    void cmdContinue_Click();
    void cmdExit_Click();

    QLabel* lblAbout;
    QPlainTextEdit* txtUsing;
};
