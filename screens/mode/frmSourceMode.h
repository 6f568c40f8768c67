#pragma once

#include "screens/kit/WizardScreen.h"

class QButtonGroup;
class QLabel;
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
    void txtSolAzi_Validate();
    void frameSolarChoice_Click();
    void cmdFromPlace_Click();
    void cmdShadingYear_Click();
    void cmdCalculate_Click();
    void cmdPrevious_Click();
    void cmdExit_Click();

    // Replaces an azimuth that reads as zero by the stand-in, with the message.
    void ApplyZeroAzimuthRule();
    // Names a sun angle that is not finite and returns to its box. True when both can be used.
    bool SunAnglesUsable();

    QRadioButton* OptSingleSun;
    QRadioButton* optDiffuse;
    QRadioButton* optMatrix;
    // Each option's id is its SourceMode.
    QButtonGroup* sourceModes;
    QLineEdit* txtSolAlt;
    QLineEdit* txtSolAzi;
    QLabel* lblAltUnit;
    QLabel* lblAziUnit;
};
