#pragma once

#include "screens/kit/WizardScreen.h"

class QLabel;
class QLineEdit;

// The header text screen: proposes the header line built from the stored dimensions and keeps
// the line as the user leaves it in HeaderText. It has no "Exit".
class frmHeaderText : public WizardScreen {
    Q_OBJECT

  public:
    frmHeaderText();

  protected:
    void Form_Load() override;

  private:
    void txtHeaderInfo_Change();
    void cmdPrevious_Click();
    void cmdContinue_Click();

    QLineEdit* txtHeaderInfo;
    QLabel* lblGeomCase;
};
