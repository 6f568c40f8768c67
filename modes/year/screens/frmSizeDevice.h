#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <vector>

#include "modes/year/DeviceSweep.h"
#include "modes/year/SweepTargets.h"
#include "modes/year/screens/YearCalculation.h"
#include "screens/kit/WizardScreen.h"

class QCheckBox;
class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QWidget;

// "Size the device": the year screen's year run again for each value of one dimension over a
// range, off the GUI thread, and the shares removed drawn against the dimension. The values
// meeting two targets are shaded and told in words; one of them can be taken into the
// dimensions and the year screen's device.
class frmSizeDevice : public WizardScreen {
    Q_OBJECT

  public:
    // request: the year screen's entries; useDevice gives that screen the device chosen.
    frmSizeDevice(QWidget* parent, YearRequest request,
                  std::function<void(const DeviceShape&)> useDevice);
    ~frmSizeDevice() override;

  signals:
    // A sweep has ended and its figures are on the screen, or it was cancelled.
    void SweepEnded();

  private:
    struct TargetBoxes {
        QCheckBox* on;
        QComboBox* period;
        QComboBox* comparison;
        QDoubleSpinBox* percent;
    };

    void cmdCompute_Click();
    void cmdCancel_Click();
    void cmdUse_Click();
    void cmdSaveCsv_Click();
    void cmdSavePicture_Click();

    SweepTargets Targets() const;
    SweptDimension Dimension() const;
    TargetBoxes NewTarget(int index, const SweepTarget& initial);
    void ShowRunning(bool running);
    void ShowSweep();
    void ShowCaption();

    QComboBox* cboDimension;
    QDoubleSpinBox* txtFrom;
    QDoubleSpinBox* txtTo;
    QSpinBox* txtSteps;
    QPushButton* cmdCompute;
    QPushButton* cmdCancel;
    QProgressBar* prgSweep;
    std::array<TargetBoxes, 2> targets_;
    QWidget* picSweep;
    QLabel* lblCaption;
    QChartView* chtSweep;
    QLabel* lblMeets;
    QDoubleSpinBox* txtUse;
    QPushButton* cmdUse;
    QPushButton* cmdSaveCsv;

    YearRequest request_;
    std::function<void(const DeviceShape&)> useDevice_;
    std::stop_source stop_;
    std::uint64_t started_ = 0;  // sweeps started
    SweepRange swept_;           // the range of the rows shown
    std::vector<SweepRow> rows_;
};
