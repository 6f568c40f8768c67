#pragma once

#include "screens/kit/WizardScreen.h"

class QButtonGroup;
class QRadioButton;

// Choosing the shading device geometry: sets GeomMode. Opens with the first geometry selected,
// whatever was chosen on an earlier visit.
class frmGeomChoice : public WizardScreen {
    Q_OBJECT

  public:
    frmGeomChoice();

  protected:
    void Form_Load() override;

  private:
    void cmdOK_Click();
    void cmdPrevious_Click();
    void cmdExit_Click();

    QRadioButton* optGeom1;
    QRadioButton* optGeom2;
    QRadioButton* OptGeom3;
    // Each option's id is its GeomMode.
    QButtonGroup* geomModes;
};
