#pragma once

#include "screens/kit/WizardScreen.h"

class QLabel;

// The start screen: the program's name, version and maker, and the way into the wizard and to
// the information screen. It has no default button.
class frmAwnSplash : public WizardScreen {
    Q_OBJECT

  public:
    frmAwnSplash();

  protected:
    void Form_Load() override;

  private:
    void cmdAbout_Click();
    void cmdContinue_Click();
    void cmdExit_Click();

    QLabel* lblVersion;
    QLabel* lblPhone;
};
