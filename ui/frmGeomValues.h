#pragma once

#include "ui/WizardScreen.h"

class QLabel;
class QLineEdit;

// Setting the dimensions of the window and the shading device, and the optional geometry case
// description. Opens with the default dimensions on every visit; "Continue" stores them.
class frmGeomValues : public WizardScreen {
    Q_OBJECT

  public:
    frmGeomValues();

  protected:
    void Form_Load() override;

  private:
    void txtWP_Change();
    void txtW_Change();
    void txtGeomCase_Change();
    void cmdPrevious_Click();
    void cmdContinue_Click();
    void cmdExit_Click();

    void ShowDelW();
    // The ratios divide by W, H and L: the first of them that reads as zero is named in a
    // message. True when none does.
    bool DividingLengthsNonZero();

    QLineEdit* txtWP;
    QLineEdit* txtW;
    QLabel* lblDelW;
    QLineEdit* txtH;
    QLineEdit* txtLh;
    QLineEdit* txtLhP;
    QLineEdit* txtL;
    QLineEdit* txtGeomCase;
};
