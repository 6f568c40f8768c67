#pragma once

#include "model/ShadingCase.h"
#include "model/SkyDirection.h"
#include "modes/beam/BeamCalculation.h"
#include "screens/kit/WizardScreen.h"

class QLabel;
class ExactBeamPanel;

// The beam results screen: computes the unshaded fraction for the entered sun
// position while it opens, and appends the beam section to the print file when
// it is left toward a new geometry or the closing screen; Exit asks whether to
// append it first. It has no default button.
class frmBeamResults : public WizardScreen {
    Q_OBJECT

  public:
    frmBeamResults();

  protected:
    void Form_Load() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Asks whether to save the result before the screen goes; true when it may go.
    bool SettleUnsavedResult();
    void cmdNewGeom_Click();
    void cmdNewSource_Click();
    void cmdFinish_Click();
    void cmdExit_Click();

    QLabel* lblDate;
    QLabel* lblTime;
    QLabel* lblGeomMode;
    QLabel* lblDimen;
    QLabel* lblAltAngle;
    QLabel* lblAziAngle;
    QLabel* lblBeamUSF;
    // Beside a fraction outside 0 to 1.
    QLabel* lblBeamWarning;
    QLabel* lblCaseText;
    ExactBeamPanel* exactShadow;
    // The case the screen opened with and its result, for the section it appends.
    ShadingCase shadingCase;
    mduUmbravel::SkyShading beam{};
    ExactBeam exact;
    bool resultSettled_ = false;  // saved, or left behind as the user chose
};
