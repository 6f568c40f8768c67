#pragma once

#include <QFuture>
#include <array>
#include <memory>
#include <string>

#include "modes/year/screens/YearCalculation.h"
#include "screens/kit/WizardScreen.h"

class PlaceBox;
class QBarSet;
class QCheckBox;
class QComboBox;
class QChart;
class QChartView;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QValueAxis;

// "Shading over the year": for the device on the stored geometry at a place, the beam unshaded
// fraction on the 21st of each month by hour as a heat map and, with a weather file or the
// clear sky, the irradiation on the window by month, without and with the device (and the
// solar gain through the glazing chosen). Every entry recalculates in
// the background; the last figures stay until the new ones are in, and saving waits for them.
class frmShadingYear : public WizardScreen {
    Q_OBJECT

  public:
    explicit frmShadingYear(QWidget* parent);

    // Takes a year of weather: its place fills the place entries. "Load weather file" reads one.
    void UseWeather(std::shared_ptr<const WeatherYear> weather);

  signals:
    // New figures are on the screen.
    void YearShown();

  private:
    struct WeatherRead {
        std::shared_ptr<const WeatherYear> weather;
        std::string error;  // why the file cannot be used
    };

    void Form_Change();
    void Calculation_Ready();
    void WeatherRead_Done(const QString& path, const WeatherRead& read);
    void cmdLoadWeather_Click();
    void cmdSaveHourly_Click();
    void cmdSaveMonthHour_Click();
    void cmdSaveMonthly_Click();
    void cmdSaveSchedule_Click();
    void cmdCopyPicture_Click();
    void cmdSavePicture_Click();
    void cmdAppend_Click();
    void cmdSizeDevice_Click();
    void cmdCompare_Click();

    YearRequest Entries() const;
    void ShowBusy();
    void ShowWeather();
    void ShowTable(const YearResult& r);
    QChart* NewMonthsChart();
    void ShowMonths(const YearResult& r);

    PlaceBox* framePlace;
    QSpinBox* txtYear;
    QDoubleSpinBox* txtReflectance;
    QComboBox* cboSky;
    QComboBox* cboGlazing;  // its index is the number of panes
    QCheckBox* chkClearSky;
    QLabel* lblWeather;
    QLabel* lblBusy;
    QPushButton* cmdLoadWeather;
    QTableWidget* tblMonthHour;
    QChartView* chtMonths;
    QLabel* lblTotals;
    QLabel* lblChecks;  // the weather data checks, when they find something
    QWidget* picYear;
    QPushButton* cmdSaveMonthly;
    std::array<QBarSet*, 3> barParts_{};  // beam, sky and ground, two bars a month
    QValueAxis* axisKWh_;

    DeviceShape device_;
    std::shared_ptr<const WeatherYear> weather_;
    YearCalculation* calculation_;
    QFuture<WeatherRead> reading_;
};
