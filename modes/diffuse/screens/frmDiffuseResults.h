#pragma once

#include "screens/kit/WizardScreen.h"

class QLabel;
class PhysicalDiffuseNote;

// The diffuse results screen: while it opens it runs the sky and ground passes and appends the
// diffuse section to the print file, so its buttons only move on. It has no default button.
class frmDiffuseResults : public WizardScreen {
    Q_OBJECT

  public:
    frmDiffuseResults();

  protected:
    void Form_Load() override;

  private:
    void cmdFinish_Click();
    void cmdExit_Click();
    void cmdNewSource_Click();
    void cmdNewGeom_Click();

    QLabel* lblDate;
    QLabel* lblTime;
    QLabel* lblGeomMode;
    QLabel* lblDimen;
    QLabel* lblCaseText;
    QLabel* lblSkyUSF;
    QLabel* lblGroundUSF;
    // Beside a fraction outside 0 to 1.
    QLabel* lblSkyWarning;
    QLabel* lblGroundWarning;
    PhysicalDiffuseNote* physicalFactors;
};
