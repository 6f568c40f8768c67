#pragma once

#include <array>

#include "modes/year/DeviceSweep.h"
#include "modes/year/screens/YearCalculation.h"
#include "screens/kit/WizardScreen.h"

class QBarSet;
class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTableWidget;
class QValueAxis;

// "Compare designs": the year screen's design beside a second one, the same with one dimension
// changed: their heat maps, their months with the device, and the differences in kWh/m2 and in
// percentage points of the share removed. The second design recalculates in the background as
// its dimension changes.
class frmCompareDesigns : public WizardScreen {
    Q_OBJECT

  public:
    // request: the year screen's entries, the first design.
    frmCompareDesigns(QWidget* parent, YearRequest request);

  signals:
    // Both designs' figures are on the screen.
    void Compared();

  private:
    YearRequest SecondDesign() const;
    void Second_Change();
    void Result_Ready();
    void ShowTitles();
    void ShowMonths(const YearResult& first, const YearResult& second);
    void ShowDifferences(const YearResult& first, const YearResult& second);
    void cmdSavePicture_Click();

    QComboBox* cboDimension;
    QDoubleSpinBox* txtValue;
    QLabel* lblBusy;
    QLabel* lblFirst;
    QLabel* lblSecond;
    QTableWidget* tblFirst;
    QTableWidget* tblSecond;
    QChartView* chtMonths;
    std::array<QBarSet*, 3> barSets_{};  // without the device, first design, second design
    QValueAxis* axisKWh_;
    QTableWidget* tblDifferences;
    QWidget* picCompare;

    YearRequest request_;
    YearCalculation* first_;
    YearCalculation* second_;
};
