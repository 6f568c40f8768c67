#include "modes/year/screens/frmShadingYear.h"

#include <QApplication>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>

#include "base/QuotedText.h"
#include "model/ExactShadow.h"
#include "modes/year/MonthNames.h"
#include "modes/year/screens/HeatMapLegend.h"
#include "modes/year/screens/HeatMapTable.h"
#include "modes/year/screens/MonthAxes.h"
#include "modes/year/screens/PlaceBox.h"
#include "modes/year/screens/frmCompareDesigns.h"
#include "modes/year/screens/frmSizeDevice.h"
#include "output/EnergyPlusName.h"
#include "output/EnergyPlusSchedule.h"
#include "output/KWhText.h"
#include "output/YearCsv.h"
#include "output/YearSection.h"
#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/CsvSave.h"
#include "screens/kit/DeviceWords.h"
#include "screens/kit/DisplayFit.h"
#include "screens/kit/EventGuard.h"
#include "screens/kit/PictureFile.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/ScrollingPart.h"
#include "screens/kit/mduUmbravel.h"

namespace {

QString Degrees(double x) {
    return QString::number(x, 'f', 2) + " deg";
}

QString CellTip(const YearSettings& s, const YearStep& step) {
    QString tip = QString("21 %1 %2, %3:00 to %3:59 local standard time (UTC%4), sun at %3:30\n")
                      .arg(ToQt(MonthNames[step.month - 1]))
                      .arg(s.year)
                      .arg(step.hour, 2, 10, QChar('0'))
                      .arg(ToQt(UtcOffsetText(s.utcOffset)));
    tip += "Sun: altitude " + Degrees(step.sun.altitude) + ", azimuth " +
           Degrees(step.sun.azimuth) + " from north\n";
    tip += "Window: altitude " + Degrees(step.window.altitude) + ", azimuth " +
           Degrees(step.window.azimuth) + " from the normal, positive toward the fin\n";
    if (step.window.sunOnWindow)
        return tip + "Beam unshaded fraction " + QString::number(step.beamUSF, 'f', 4);
    return tip + (step.sun.altitude <= 0 ? "No beam: the sun is below the horizon"
                                         : "No beam: the sun is behind the wall");
}

QString KWh(double wh) {
    return ToQt(KWhFigure(wh)) + " kWh/m²";
}

QString PlaceText(const YearSettings& s) {
    const auto degrees = [](double x, char positive, char negative) {
        return QString::number(std::fabs(x), 'f', 2) + "° " + QChar(x < 0 ? negative : positive);
    };
    return degrees(s.place.latitude, 'N', 'S') + ", " + degrees(s.place.longitude, 'E', 'W') +
           ", UTC" + ToQt(UtcOffsetText(s.utcOffset));
}

constexpr ControlWords YearControls[] = {
    {"txtYear", "Year", "The calendar year of the dates, the sun's positions and the clocks"},
    {"cmdLoadWeather", "Load weather file",
     "Reads an EnergyPlus weather file; its place and UTC offset become the place"},
    {"cmdUnloadWeather", "Unload weather file",
     "Puts the weather file aside; the figures are then without weather"},
    {"chkClearSky", "Clear sky without a weather file",
     "Without a weather file, the irradiation of a cloudless sky"},
    {"txtReflectance", "Ground reflectance", "The fraction of light the ground reflects, 0 to 1"},
    {"cboSky", "Sky model", "How the diffuse sky light is spread over the sky"},
    {"cboGlazing", "Glazing", "Panes of clear glass for the solar gain through the window"},
    {"cmdSaveHourly", "Save hourly CSV", "Writes every hour of the year to a CSV file"},
    {"cmdSaveMonthHour", "Save month by hour CSV", "Writes the heat map's figures to a CSV file"},
    {"cmdSaveMonthly", "Save monthly CSV",
     "Writes the irradiation by month, without and with the device, to a CSV file"},
    {"cmdSaveSchedule", "Save EnergyPlus schedule",
     "Writes the hourly beam unshaded fraction as an EnergyPlus shading schedule"},
    {"cmdCopyPicture", "Copy picture", "Copies the heat map, bars and totals as a picture"},
    {"cmdSavePicture", "Save picture", "Saves the heat map, bars and totals as a picture file"},
    {"cmdAppend", "Append to print file", "Adds the year's figures to the print file"},
    {"cmdSizeDevice", "Size the device",
     "Sweeps one dimension over a range and shows the shares removed against it, with the "
     "values that meet two targets"},
    {"cmdCompare", "Compare with",
     "Shows this design beside the same one with one dimension changed, and their differences"},
    {"cmdClose", "Close", "Closes the year screen; its entries are kept for the next visit"},
};

// A weather file's place is its own to within this, in degrees of latitude and longitude.
constexpr double WeatherPlaceTolerance = 0.5;

}  // namespace

frmShadingYear::frmShadingYear(QWidget* parent)
    : WizardScreen("frmShadingYear", "Shading over the year"),
      device_(DeviceShapeOf(mduUmbravel::CurrentCase())),
      calculation_(new YearCalculation([this] { return Entries(); }, this)) {
    setParent(parent, Qt::Dialog);
    CloseOnEscape();

    const auto changed = [this] { Guarded([this] { Form_Change(); }); };
    framePlace = new PlaceBox(changed, [this] { Guarded([this] { Place_Settled(); }); });
    const mduUmbravel::KeptEntries& kept = mduUmbravel::Kept;
    txtYear = new QSpinBox;
    txtYear->setObjectName("txtYear");
    txtYear->setRange(1800, 2200);
    txtYear->setValue(kept.year.year);
    txtReflectance = new QDoubleSpinBox;
    txtReflectance->setObjectName("txtReflectance");
    txtReflectance->setRange(0, 1);
    txtReflectance->setSingleStep(0.05);
    txtReflectance->setValue(kept.year.groundReflectance);
    cboSky = new QComboBox;
    cboSky->setObjectName("cboSky");
    cboSky->addItem("Perez sky", static_cast<int>(SkyModel::Perez));
    cboSky->addItem("Isotropic sky", static_cast<int>(SkyModel::Isotropic));
    cboSky->setCurrentIndex(cboSky->findData(static_cast<int>(kept.year.sky)));
    cboSky->setToolTip(
        "Perez 1990: the circumsolar part shaded like the beam, the horizon band by the exact "
        "unshaded fraction along the horizon, the rest by the physically weighted sky factor");
    cboGlazing = new QComboBox;
    cboGlazing->setObjectName("cboGlazing");
    cboGlazing->addItems({"No glazing", "1 pane", "2 panes", "3 panes"});
    cboGlazing->setCurrentIndex(kept.year.glazingPanes);
    cboGlazing->setToolTip(
        "Panes of clear float glass, 3.175 mm: the solar gain through them beside the "
        "irradiation on the window");
    chkClearSky = new QCheckBox("Clear sky without a weather file");
    chkClearSky->setObjectName("chkClearSky");
    chkClearSky->setChecked(kept.year.clearSky);
    lblWeather = NewLabel("lblWeather", "", LabelKind::Paragraph);
    lblBusy = NewBusyLabel();
    cmdLoadWeather =
        NewButton("cmdLoadWeather", "&Load weather file…", [this] { cmdLoadWeather_Click(); });
    cmdUnloadWeather =
        NewButton("cmdUnloadWeather", "&Unload weather file", [this] { cmdUnloadWeather_Click(); });
    tblMonthHour = NewHeatMapTable("tblMonthHour");
    // Made with its chart: a view made without one makes its own, which setChart would drop.
    chtMonths = new QChartView(NewMonthsChart());
    chtMonths->setObjectName("chtMonths");
    chtMonths->setRenderHint(QPainter::Antialiasing);
    chtMonths->setMinimumHeight(260);
    lblTotals = NewLabel("lblTotals", "", LabelKind::Paragraph);
    lblChecks = NewLabel("lblChecks", "", LabelKind::Paragraph);
    cmdSaveMonthly =
        NewButton("cmdSaveMonthly", "Save mo&nthly CSV", [this] { cmdSaveMonthly_Click(); });

    picYear = new QWidget;
    picYear->setObjectName("picYear");
    auto* picture = new QVBoxLayout(picYear);
    picture->addWidget(NewLabel("lblTable",
                                "Beam unshaded fraction on the 21st of each month, "
                                "by hour of local standard time"));
    picture->addWidget(tblMonthHour, 3);
    picture->addWidget(new HeatMapLegend);
    picture->addWidget(chtMonths, 2);
    picture->addWidget(lblTotals);
    picture->addWidget(lblChecks);

    // The entries beside the place, and the figures scrolling below them, leave the buttons on
    // a small display.
    auto* entries = new QGridLayout;
    entries->addWidget(NewLabel("lblYear", "Year"), 0, 0);
    entries->addWidget(txtYear, 0, 1);
    entries->addWidget(cmdLoadWeather, 1, 0);
    entries->addWidget(cmdUnloadWeather, 1, 1);
    entries->addWidget(chkClearSky, 2, 0, 1, 2);
    entries->addWidget(NewLabel("lblReflectance", "Ground reflectance"), 3, 0);
    entries->addWidget(txtReflectance, 3, 1);
    entries->addWidget(cboSky, 4, 0, 1, 2);
    entries->addWidget(cboGlazing, 5, 0, 1, 2);
    entries->addWidget(lblBusy, 6, 0, 1, 2);
    entries->setRowStretch(7, 1);
    // The entries stand beside the place where the window is wide enough, below it otherwise.
    auto* top = new QBoxLayout(QBoxLayout::LeftToRight);
    top->addWidget(framePlace, 1);
    top->addLayout(entries);
    StackWhenNarrow(top);
    auto* screen = new QVBoxLayout(this);
    screen->addLayout(top);
    screen->addWidget(lblWeather);
    auto* figures = new ScrollingPart("scrFigures", picYear, fontMetrics().lineSpacing() * 8);
    screen->addWidget(figures, 1);
    // Two rows, so that a narrow display keeps every button in view: writing, then looking.
    auto* buttons = new QVBoxLayout;
    buttons->addLayout(NewButtonRow({
        NewButton("cmdSaveHourly", "Save &hourly CSV", [this] { cmdSaveHourly_Click(); }),
        NewButton("cmdSaveMonthHour", "Save &month × hour CSV",
                  [this] { cmdSaveMonthHour_Click(); }),
        cmdSaveMonthly,
        NewButton("cmdSaveSchedule", "Save &EnergyPlus schedule…",
                  [this] { cmdSaveSchedule_Click(); }),
        NewButton("cmdAppend", "&Append to print file", [this] { cmdAppend_Click(); }),
    }));
    buttons->addLayout(NewButtonRow({
        NewButton("cmdCopyPicture", "&Copy picture", [this] { cmdCopyPicture_Click(); }),
        NewButton("cmdSavePicture", "Save &picture", [this] { cmdSavePicture_Click(); }),
        NewButton("cmdSizeDevice", "Si&ze the device…", [this] { cmdSizeDevice_Click(); }),
        NewButton("cmdCompare", "Compare &with…", [this] { cmdCompare_Click(); }),
        NewButton("cmdClose", "Cl&ose", [this] { close(); }),
    }));
    screen->addLayout(buttons);

    SayControls(this, YearControls);
    tblMonthHour->setAccessibleName("Heat map of the beam unshaded fraction");
    chtMonths->setAccessibleName("Irradiation on the window by month");
    connect(txtYear, &QSpinBox::valueChanged, this, changed);
    connect(txtReflectance, &QDoubleSpinBox::valueChanged, this, changed);
    connect(cboSky, &QComboBox::currentIndexChanged, this, changed);
    connect(cboGlazing, &QComboBox::currentIndexChanged, this, changed);
    connect(chkClearSky, &QCheckBox::toggled, this, [this, changed] {
        ShowWeather();
        changed();
    });
    ShowWeather();
    connect(calculation_, &YearCalculation::ResultReady, this, [this] { Calculation_Ready(); });
    ShowMonths({});
    calculation_->Start();
    ShowBusy();
    if (!kept.year.weatherFile.empty())
        ReadWeather(ToQt(kept.year.weatherFile), true);
}

YearRequest frmShadingYear::Entries() const {
    const PlaceSettings p = framePlace->Values();
    YearEntries e;
    e.latitude = p.latitude;
    e.longitude = p.longitude;
    e.year = txtYear->value();
    e.utcOffset = framePlace->StandardOffset(e.year);
    e.facing = p.facing;
    e.device = device_;
    e.groundReflectance = txtReflectance->value();
    e.clearSky = chkClearSky->isChecked();
    e.sky = static_cast<SkyModel>(cboSky->currentData().toInt());
    e.glazingPanes = cboGlazing->currentIndex();
    return {e, weather_};
}

void frmShadingYear::Form_Change() {
    KeepEntries();
    calculation_->Request();
    ShowBusy();
}

void frmShadingYear::KeepEntries() const {
    const YearEntries e = Entries().entries;
    ProjectYear& kept = mduUmbravel::Kept.year;
    kept.year = e.year;
    kept.groundReflectance = e.groundReflectance;
    kept.sky = e.sky;
    kept.glazingPanes = e.glazingPanes;
    kept.clearSky = e.clearSky;
    SavePlaceSettings(framePlace->Values());
}

bool frmShadingYear::PlaceIsTheWeathers() const {
    const WeatherLocation& at = weather_->location;
    const PlaceSettings p = framePlace->Values();
    return std::fabs(p.latitude - at.place.latitude) <= WeatherPlaceTolerance &&
           std::fabs(p.longitude - at.place.longitude) <= WeatherPlaceTolerance &&
           p.timeZone.isEmpty() && p.utcOffset == at.utcOffset;
}

// The file's weather is its place's: figures for another place from it would mislead.
void frmShadingYear::Place_Settled() {
    if (!weather_ || askingAboutPlace_ || PlaceIsTheWeathers())
        return;
    // The question takes the keyboard, and the box that loses it settles again.
    askingAboutPlace_ = true;
    const std::size_t answer = AskQuestion(
        "The place or time zone is no longer that of the weather file " +
            QuotedText(weather_->location.name) +
            ", whose weather belongs to its own place. Unload the file, or go back to its place?",
        {"Unload the Weather File", "Keep the File's Place"});
    askingAboutPlace_ = false;
    if (answer == 0) {
        cmdUnloadWeather_Click();
        return;
    }
    const WeatherLocation& at = weather_->location;
    framePlace->SetPlace(at.place.latitude, at.place.longitude, at.utcOffset);
}

void frmShadingYear::ShowBusy() {
    lblBusy->setText(reading_.isRunning() ? "Reading the weather file…" : "Computing…");
    lblBusy->setVisible(reading_.isRunning() || calculation_->Busy());
}

// Says what the figures on the screen are for, which are those of the last result.
void frmShadingYear::ShowWeather() {
    chkClearSky->setVisible(!weather_);
    cmdUnloadWeather->setEnabled(weather_ != nullptr);
    const YearResult* r = calculation_->Latest();
    if (r == nullptr) {
        lblWeather->setText(weatherProblem_);
        return;
    }
    QString source;
    if (r->weather) {
        const QString missing =
            QString::number(r->weather->missingHours) + " missing hours in the file";
        const QString name = ToQt(r->weather->location.name);
        source = r->weather == weather_ && !weatherPath_.isEmpty()
                     ? "weather file " +
                           ToQt(QuotedText(FromQt(QFileInfo(weatherPath_).fileName()))) + " (" +
                           name + "), " + missing
                     : "weather of " + name + ", " + missing;
    } else if (r->settings.clearSky) {
        source = ToQt(ClearSkyText()) + ", no weather file";
    } else {
        source = "no weather file, the beam fraction only";
    }
    QString line = "Figures for " + PlaceText(r->settings) + ": " + source + ".";
    if (!weatherProblem_.isEmpty())
        line += " " + weatherProblem_;
    lblWeather->setText(line);
    lblWeather->setToolTip(weatherPath_);
}

void frmShadingYear::Calculation_Ready() {
    const YearResult& r = *calculation_->Latest();
    const bool barsAppear = r.totals && !chtMonths->isVisibleTo(this);
    ShowTable(r);
    ShowMonths(r);
    ShowWeather();
    ShowBusy();
    // The bars and totals have just appeared: the screen grows to hold them.
    if (barsAppear)
        resize(size().expandedTo(sizeHint()));
    emit YearShown();
}

void frmShadingYear::ShowTable(const YearResult& r) {
    ShowHeatMap(tblMonthHour, r.table);
    int sunlit = 0;
    const YearStep* darkest = nullptr;
    for (int month = 0; month < 12; ++month) {
        for (int hour = 0; hour < 24; ++hour) {
            const YearStep& step = r.table[month][hour];
            tblMonthHour->item(month, hour)->setToolTip(CellTip(r.settings, step));
            if (step.window.sunOnWindow) {
                ++sunlit;
                if (darkest == nullptr || step.beamUSF < darkest->beamUSF)
                    darkest = &step;
            }
        }
    }
    QString said =
        "Beam unshaded fraction on the 21st of each month, a row a month and a column "
        "an hour of local standard time, from 0 (shaded) to 1 (in the sun); " +
        QString::number(sunlit) + " of the 288 hours have the sun on the window";
    if (darkest != nullptr) {
        said += QString(", the least fraction %1 on 21 %2 at %3:30")
                    .arg(darkest->beamUSF, 0, 'f', 2)
                    .arg(ToQt(MonthNames[darkest->month - 1]))
                    .arg(darkest->hour, 2, 10, QChar('0'));
    }
    tblMonthHour->setAccessibleDescription(said + ".");
}

QChart* frmShadingYear::NewMonthsChart() {
    auto* chart = new QChart;
    chart->setTitle("Irradiation on the window by month, kWh/m²");
    auto* series = new QStackedBarSeries;
    // The legend tells the bars apart: the bars with the device are the hatched ones.
    const struct {
        const char* name;
        QColor color;
    } parts[3] = {{"beam", QColor(0xe0, 0x8a, 0x1e)},
                  {"sky", QColor(0x3a, 0x7d, 0xc9)},
                  {"ground", QColor(0x5b, 0x9e, 0x3c)}};
    for (int with = 0; with < 2; ++with) {
        for (int k = 0; k < 3; ++k) {
            QBarSet* set = new QBarSet(QString(parts[k].name) +
                                       (with == 1 ? ", with the device" : ", no device"));
            set->setBrush(QBrush(parts[k].color, with == 1 ? Qt::BDiagPattern : Qt::SolidPattern));
            set->setBorderColor(parts[k].color);
            barParts_[3 * with + k] = set;
            series->append(set);
        }
    }
    // Each month: its bar without the device, its bar with the device, then an empty place that
    // sets the months apart. The month's name stands under all three, so that it is not cut.
    auto* months = new QCategoryAxis;
    months->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    months->setRange(-0.5, 3 * 12 - 1.5);
    months->setStartValue(-0.5);
    months->setGridLineVisible(false);
    for (int month = 0; month < 12; ++month)
        months->append(ToQt(MonthAbbreviation(month)), 3 * month + 0.5);
    chart->addSeries(series);
    axisKWh_ = AddMonthAxes(chart, series, months);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

void frmShadingYear::ShowMonths(const YearResult& r) {
    const std::optional<YearTotals>& totals = r.totals;
    cmdSaveMonthly->setEnabled(totals.has_value());
    chtMonths->setVisible(totals.has_value());
    lblTotals->setVisible(totals.has_value());
    const std::string checks = totals ? WeatherChecksLine(r.settings, *totals) : std::string();
    lblChecks->setVisible(!checks.empty());
    lblChecks->setText(ToQt(checks));
    if (!totals)
        return;
    // The chart is kept and only its values change: building a chart anew holds the GUI thread
    // for tens of milliseconds.
    // Each set has its bars in its own place of the month, and nothing in the other.
    QList<qreal> parts[6];
    double highest = 0;
    QString said = "Irradiation on the window by month, without and with the device:";
    for (int month = 0; month < 12; ++month) {
        said += QString(" %1 %2 and %3 kWh/m²;")
                    .arg(ToQt(MonthNames[month]))
                    .arg(ToQt(KWhFigure(totals->without[month].Total())))
                    .arg(ToQt(KWhFigure(totals->with[month].Total())));
        for (int with = 0; with < 2; ++with) {
            const WindowIrradiation& w = with == 0 ? totals->without[month] : totals->with[month];
            for (int k = 0; k < 6; ++k) {
                const bool own = k / 3 == with;
                parts[k] << (own ? std::array{w.beam, w.sky, w.ground}[k % 3] / 1000 : 0.0);
            }
            highest = std::max(highest, w.Total() / 1000);
        }
        if (month < 11) {
            for (QList<qreal>& part : parts)
                part << 0;  // the gap between the months
        }
    }
    for (int k = 0; k < 6; ++k) {
        barParts_[k]->remove(0, barParts_[k]->count());
        barParts_[k]->append(parts[k]);
    }
    said.chop(1);
    chtMonths->setAccessibleDescription(said + ".");
    axisKWh_->setRange(0, highest);
    axisKWh_->applyNiceNumbers();

    QString text = "Over the year " + KWh(YearSum(totals->without).Total()) +
                   " reach each square metre of the window without the device and " +
                   KWh(YearSum(totals->with).Total()) + " with it. " +
                   ToQt(RemovedSummaryLine(r.settings, *totals)) + ".";
    if (const int panes = r.settings.glazingPanes; panes > 0) {
        text += " Through " + ToQt(GlazingText(panes)) + " " +
                KWh(YearSum(totals->without).throughGlass) + " without the device and " +
                KWh(YearSum(totals->with).throughGlass) + " with it. " +
                ToQt(RemovedThroughGlassLine(r.settings, *totals)) + ".";
    }
    lblTotals->setText(text);
}

void frmShadingYear::cmdLoadWeather_Click() {
    const auto path = ChooseFile(
        {false, "Load weather file", FromQt(weatherPath_), "EnergyPlus weather (*.epw);;All (*)"});
    if (path)
        ReadWeather(ToQt(*path), false);
}

void frmShadingYear::ReadWeather(const QString& path, bool kept) {
    reading_ = QtConcurrent::run([file = FromQt(path)] {
        try {
            return WeatherRead{std::make_shared<const WeatherYear>(ReadWeatherFile(file)), {}};
        } catch (const WeatherFileError& e) {
            return WeatherRead{nullptr, e.what()};
        }
    });
    auto* watcher = new QFutureWatcher<WeatherRead>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, path, kept] {
        watcher->deleteLater();
        Guarded([&] { WeatherRead_Done(path, kept, watcher->result()); });
    });
    watcher->setFuture(reading_);
    cmdLoadWeather->setEnabled(false);
    ShowBusy();
}

void frmShadingYear::WeatherRead_Done(const QString& path, bool kept, const WeatherRead& read) {
    cmdLoadWeather->setEnabled(true);
    ShowBusy();
    if (read.weather) {
        UseWeather(read.weather, path);
        return;
    }
    const std::string problem = QuotedText(FromQt(path)) + " cannot be used: " + read.error;
    if (!kept) {
        ShowMessage(problem);
        return;
    }
    // The file the user left has gone or changed since: said beside the figures, which are
    // without it.
    mduUmbravel::Kept.year.weatherFile.clear();
    weatherProblem_ = ToQt("The weather file " + problem + ".");
    ShowWeather();
}

void frmShadingYear::UseWeather(std::shared_ptr<const WeatherYear> weather, const QString& path) {
    weather_ = std::move(weather);
    weatherPath_ = path;
    weatherProblem_.clear();
    mduUmbravel::Kept.year.weatherFile = FromQt(path);
    ShowWeather();
    const WeatherLocation& at = weather_->location;
    framePlace->SetPlace(at.place.latitude, at.place.longitude, at.utcOffset);
    Form_Change();
}

void frmShadingYear::cmdUnloadWeather_Click() {
    weather_.reset();
    weatherPath_.clear();
    mduUmbravel::Kept.year.weatherFile.clear();
    ShowWeather();
    Form_Change();
}

void frmShadingYear::cmdSaveHourly_Click() {
    AskAndSaveCsv(this, "Hourly CSV", "hours.csv", [this](const std::string& path) {
        WriteHourlyCsv(path, calculation_->Settled().settings);
    });
}

void frmShadingYear::cmdSaveMonthHour_Click() {
    AskAndSaveCsv(this, "Month × hour CSV", "month-hour.csv", [this](const std::string& path) {
        WriteMonthHourCsv(path, calculation_->Settled().table);
    });
}

void frmShadingYear::cmdSaveMonthly_Click() {
    const YearResult& r = calculation_->Settled();
    if (!r.totals)
        return;  // the button is enabled only with monthly figures
    AskAndSaveCsv(this, "Monthly CSV", "months.csv",
                  [&r](const std::string& path) { WriteMonthlyCsv(path, r.settings, *r.totals); });
}

// The schedule the batch's --energyplus-schedule writes, for the surface name asked for.
void frmShadingYear::cmdSaveSchedule_Click() {
    const auto path = ChooseFile({true, "Save EnergyPlus schedule", "shading.csv", "CSV (*.csv)"});
    if (!path)
        return;
    bool given = false;
    const std::string surface = FromQt(QInputDialog::getText(
        this, "Save EnergyPlus schedule",
        "The window's surface name in EnergyPlus:", QLineEdit::Normal, {}, &given));
    if (!given)
        return;
    if (const std::string problem = EnergyPlusNameProblem(surface); !problem.empty()) {
        ShowMessage("The surface name " + problem + ".");
        return;
    }
    WriteShadingSchedule(*path, surface, calculation_->Settled().settings);
    ShowStatus(this, ToQt("EnergyPlus schedule saved as " + *path + "."));
}

// Under the picture: the device, its dimensions, and the place, facing and weather the figures
// are for.
QStringList frmShadingYear::PictureCaption() const {
    const ShadingCase c = mduUmbravel::CurrentCase();
    return {ToQt(DeviceAndDateInWords(c.geometry, c.layout)),
            ToQt(DimensionsInWords(c.geometry, c.dimensions, mduUmbravel::Kept.unit)),
            lblWeather->text()};
}

void frmShadingYear::cmdCopyPicture_Click() {
    calculation_->Settled();
    QApplication::clipboard()->setImage(CaptionedPicture(picYear, PictureCaption()));
    ShowStatus(this, "The picture, with its caption, is on the clipboard.");
}

void frmShadingYear::cmdSavePicture_Click() {
    calculation_->Settled();
    AskAndSaveWidgetPicture(picYear, "shading-year.png", "Shading over the year", PictureCaption());
}

void frmShadingYear::cmdAppend_Click() {
    const YearResult& r = calculation_->Settled();
    AppendYearSection(mduUmbravel::CurrentCase(), r.settings, r.table,
                      r.totals ? &*r.totals : nullptr);
    ShowStatus(this,
               ToQt("The year's section is appended to " + mduUmbravel::PrintFilePath() + "."));
}

void frmShadingYear::cmdSizeDevice_Click() {
    ShowBeside(new frmSizeDevice(this, Entries(), [this](const DeviceShape& device) {
        device_ = device;
        Form_Change();
    }));
}

void frmShadingYear::cmdCompare_Click() {
    ShowBeside(new frmCompareDesigns(this, Entries()));
}
