#pragma once

#include <memory>
#include <optional>

#include "model/PhysicalDiffuse.h"
#include "modes/year/ShadingYear.h"
#include "screens/kit/WizardScreen.h"

class PlaceBox;
class QChartView;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "Shading over the year": for the device on the stored geometry at a place, the beam unshaded
// fraction on the 21st of each month by hour as a heat map and, with a weather file, the
// irradiation on the window by month, without and with the device. Every entry recalculates.
class frmShadingYear : public WizardScreen {
    Q_OBJECT

  public:
    explicit frmShadingYear(QWidget* parent);

    // Takes a year of weather: its place fills the place entries. "Load weather file" reads one.
    void UseWeather(std::shared_ptr<const WeatherYear> weather);

  private:
    void Form_Change();
    void cmdLoadWeather_Click();
    void cmdSaveHourly_Click();
    void cmdSaveMonthHour_Click();
    void cmdSaveMonthly_Click();
    void cmdCopyPicture_Click();
    void cmdSavePicture_Click();
    void cmdAppend_Click();

    YearSettings Settings() const;
    void ShowTable(const YearSettings& s);
    void ShowMonths(const YearSettings& s);

    PlaceBox* framePlace;
    QSpinBox* txtYear;
    QDoubleSpinBox* txtReflectance;
    QLabel* lblWeather;
    QTableWidget* tblMonthHour;
    QChartView* chtMonths;
    QLabel* lblTotals;
    QWidget* picYear;
    QPushButton* cmdSaveMonthly;

    DeviceShape device_;
    PhysicalDiffuseFactors diffuse_;
    std::shared_ptr<const WeatherYear> weather_;
    MonthHourTable table_{};
    std::optional<YearTotals> totals_;
};
