#pragma once

#include <QFuture>
#include <QString>
#include <QStringList>
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
// A weather file belongs to its place: moving away from it asks whether to unload the file.
// The entries are kept for the run and open again as they were left.
class frmShadingYear : public WizardScreen {
    Q_OBJECT

  public:
    explicit frmShadingYear(QWidget* parent);

    // Takes a year of weather, read from the file at path: its place fills the place entries.
    // "Load weather file" reads one.
    void UseWeather(std::shared_ptr<const WeatherYear> weather, const QString& path = {});

  signals:
    // New figures are on the screen.
    void YearShown();

  private:
    struct WeatherRead {
        std::shared_ptr<const WeatherYear> weather;
        std::string error;  // why the file cannot be used
    };

    void Form_Change();
    void Place_Settled();
    void Calculation_Ready();
    // kept: the file is the one kept from the last visit or a project, not one just chosen.
    void ReadWeather(const QString& path, bool kept);
    void WeatherRead_Done(const QString& path, bool kept, const WeatherRead& read);
    void cmdLoadWeather_Click();
    void cmdUnloadWeather_Click();
    void cmdSaveHourly_Click();
    void cmdSaveMonthHour_Click();
    void cmdSaveMonthly_Click();
    void cmdSaveSchedule_Click();
    QStringList PictureCaption() const;
    void cmdCopyPicture_Click();
    void cmdSavePicture_Click();
    void cmdAppend_Click();
    void cmdSizeDevice_Click();
    void cmdCompare_Click();

    YearRequest Entries() const;
    void KeepEntries() const;
    bool PlaceIsTheWeathers() const;
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
    QPushButton* cmdUnloadWeather;
    QTableWidget* tblMonthHour;
    QChartView* chtMonths;
    QLabel* lblTotals;
    QLabel* lblChecks;  // the weather data checks, when they find something
    QWidget* picYear;
    QPushButton* cmdSaveMonthly;
    // Beam, sky and ground without the device, then with it: two bars a month.
    std::array<QBarSet*, 6> barParts_{};
    QValueAxis* axisKWh_;

    DeviceShape device_;
    std::shared_ptr<const WeatherYear> weather_;
    QString weatherPath_;     // empty when the weather came from no file
    QString weatherProblem_;  // why the kept weather file was not read again
    bool askingAboutPlace_ = false;
    YearCalculation* calculation_;
    QFuture<WeatherRead> reading_;
};
