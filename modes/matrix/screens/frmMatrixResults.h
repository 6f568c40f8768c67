#pragma once

#include "screens/kit/WizardScreen.h"

class QLabel;
class QPlainTextEdit;
class MatrixChart;

// The beam matrix results screen: while it opens it sweeps the sun positions, appends the
// matrix section to the print file, shows the results text and writes the five data files.
class frmMatrixResults : public WizardScreen {
    Q_OBJECT

  public:
    frmMatrixResults();

  protected:
    void Form_Load() override;

  private:
    void cmdNewGeom_Click();
    void cmdPrevious_Click();
    void cmdFinish_Click();
    void cmdExit_Click();

    QLabel* lblDate;
    QLabel* lblTime;
    QLabel* lblDimen;
    QPlainTextEdit* txtMatrixResults;
    // Below the table when a fraction on it lies outside 0 to 1.
    QLabel* lblMatrixWarning;
    MatrixChart* chart;
};
