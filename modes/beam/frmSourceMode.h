#pragma once

#include "ui/WizardScreen.h"

class QLineEdit;
class QRadioButton;

// The irradiation mode screen: the calculation mode and, for a single sun
// position, its altitude and azimuth. "Calculate" opens the results screen of
// the chosen mode.
class frmSourceMode : public WizardScreen {
    Q_OBJECT

  public:
    frmSourceMode();

  private:
    void txtSolAlt_Change();
    void txtSolAzi_Change();
    void cmdFromPlace_Click();
    void cmdShadingYear_Click();
    void cmdCalculate_Click();
    void cmdPrevious_Click();
    void cmdExit_Click();

    QRadioButton* OptSingleSun;
    QRadioButton* optDiffuse;
    QRadioButton* optMatrix;
    QLineEdit* txtSolAlt;
    QLineEdit* txtSolAzi;
};
