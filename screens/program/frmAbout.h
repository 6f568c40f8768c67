#pragma once

#include "screens/kit/WizardScreen.h"

class QPlainTextEdit;

// The about screen: what the calculation assumes, read from the about file. It has no default
// button.
class frmAbout : public WizardScreen {
    Q_OBJECT

  public:
    frmAbout();

  protected:
    void Form_Load() override;

  private:
    void cmdReturn_Click();

    QPlainTextEdit* txtAbout;
};
