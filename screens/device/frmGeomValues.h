#pragma once

#include <array>

#include "model/DimensionEntry.h"
#include "screens/kit/WizardScreen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Setting the dimensions of the window and the shading device, and the optional geometry case
// description. Opens with the entries as the user last left them; "Continue" stores them, or
// names the first entry the calculation cannot work with and stays.
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
    void cboUnit_Change();
    void cmdPrevious_Click();
    void cmdContinue_Click();
    void cmdExit_Click();

    void ShowDelW();
    // The boxes of W', W, H, h, h' and L, in the order of DimensionBox.
    std::array<QLineEdit*, 6> DimensionBoxes() const;
    DimensionTexts Entries() const;
    DeviceLayout ChosenLayout() const;

    QLineEdit* txtWP;
    QLineEdit* txtW;
    QLabel* lblDelW;
    QLineEdit* txtH;
    QLineEdit* txtLh;
    QLineEdit* txtLhP;
    QLineEdit* txtL;
    QLineEdit* txtGeomCase;
    QLabel* lblAwnWidth;
    QLabel* lblFinHeight;
    QLabel* lblHprime;
    QLabel* lblBL;
    QRadioButton* optDrawn;
    QRadioButton* optMirrored;
    QComboBox* cboUnit;
    std::array<QLabel*, 7> lblUnits{};  // beside each length, W' - W included
};
