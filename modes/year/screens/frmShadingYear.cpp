#include "modes/year/screens/frmShadingYear.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QHeaderView>
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

#include "base/QuotedText.h"
#include "model/ExactShadow.h"
#include "modes/year/screens/HeatMapCellDelegate.h"
#include "modes/year/screens/HeatMapLegend.h"
#include "modes/year/screens/PlaceBox.h"
#include "modes/year/screens/frmCompareDesigns.h"
#include "modes/year/screens/frmSizeDevice.h"
#include "output/EnergyPlusName.h"
#include "output/EnergyPlusSchedule.h"
#include "output/KWhText.h"
#include "output/YearCsv.h"
#include "output/YearSection.h"
#include "platform/Host.h"
#include "screens/kit/EventGuard.h"
#include "screens/kit/PictureFile.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/mduUmbravel.h"

namespace {

const char* const MonthNames[12] = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};

QString Degrees(double x) {
    return QString::number(x, 'f', 2) + " deg";
}

QString CellTip(const YearSettings& s, const YearStep& step) {
    QString tip = QString("21 %1 %2, %3:00 to %3:59 local standard time (UTC%4), sun at %3:30\n")
                      .arg(MonthNames[step.month - 1])
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

}  // namespace

frmShadingYear::frmShadingYear(QWidget* parent)
    : WizardScreen("frmShadingYear", "Shading over the year"),
      device_(DeviceShapeOf(mduUmbravel::CurrentCase())),
      calculation_(new YearCalculation([this] { return Entries(); }, this)) {
    setParent(parent, Qt::Dialog);
    CloseOnEscape();

    const auto changed = [this] { Guarded([this] { Form_Change(); }); };
    framePlace = new PlaceBox(changed);
    txtYear = new QSpinBox;
    txtYear->setObjectName("txtYear");
    txtYear->setRange(1800, 2200);
    txtYear->setValue(QDate::currentDate().year());
    txtReflectance = new QDoubleSpinBox;
    txtReflectance->setObjectName("txtReflectance");
    txtReflectance->setRange(0, 1);
    txtReflectance->setSingleStep(0.05);
    txtReflectance->setValue(0.2);
    cboSky = new QComboBox;
    cboSky->setObjectName("cboSky");
    cboSky->addItem("Perez sky", static_cast<int>(SkyModel::Perez));
    cboSky->addItem("Isotropic sky", static_cast<int>(SkyModel::Isotropic));
    cboSky->setToolTip(
        "Perez 1990: the circumsolar part shaded like the beam, the horizon band by the exact "
        "unshaded fraction along the horizon, the rest by the physically weighted sky factor");
    cboGlazing = new QComboBox;
    cboGlazing->setObjectName("cboGlazing");
    cboGlazing->addItems({"No glazing", "1 pane", "2 panes", "3 panes"});
    cboGlazing->setToolTip(
        "Panes of clear float glass, 3.175 mm: the solar gain through them beside the "
        "irradiation on the window");
    chkClearSky = new QCheckBox("Clear sky without a weather file");
    chkClearSky->setObjectName("chkClearSky");
    lblWeather = NewLabel("lblWeather", "", LabelKind::Paragraph);
    lblBusy = NewLabel("lblBusy", "Computing…");
    // The entries do not move when it comes and goes.
    QSizePolicy busyPolicy = lblBusy->sizePolicy();
    busyPolicy.setRetainSizeWhenHidden(true);
    lblBusy->setSizePolicy(busyPolicy);
    cmdLoadWeather =
        NewButton("cmdLoadWeather", "&Load weather file…", [this] { cmdLoadWeather_Click(); });
    tblMonthHour = new QTableWidget(12, 24);
    tblMonthHour->setObjectName("tblMonthHour");
    tblMonthHour->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMonthHour->setSelectionMode(QAbstractItemView::NoSelection);
    tblMonthHour->setItemDelegate(new HeatMapCellDelegate(tblMonthHour));
    for (int hour = 0; hour < 24; ++hour)
        tblMonthHour->setHorizontalHeaderItem(hour, new QTableWidgetItem(QString::number(hour)));
    for (int month = 0; month < 12; ++month)
        tblMonthHour->setVerticalHeaderItem(
            month, new QTableWidgetItem(QString(MonthNames[month]).left(3)));
    tblMonthHour->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblMonthHour->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QFont small = tblMonthHour->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    tblMonthHour->setFont(small);
    tblMonthHour->setMinimumSize(24 * QFontMetrics(small).horizontalAdvance(" 0.00 ") + 60,
                                 tblMonthHour->horizontalHeader()->sizeHint().height() +
                                     12 * (QFontMetrics(small).height() + 8) + 4);
    chtMonths = new QChartView;
    chtMonths->setObjectName("chtMonths");
    chtMonths->setRenderHint(QPainter::Antialiasing);
    chtMonths->setMinimumHeight(260);
    chtMonths->setChart(NewMonthsChart());
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

    auto* entries = new QHBoxLayout;
    entries->addWidget(NewLabel("lblYear", "Year"));
    entries->addWidget(txtYear);
    entries->addWidget(cmdLoadWeather);
    entries->addWidget(chkClearSky);
    entries->addWidget(NewLabel("lblReflectance", "Ground reflectance"));
    entries->addWidget(txtReflectance);
    entries->addWidget(cboSky);
    entries->addWidget(cboGlazing);
    entries->addStretch();
    entries->addWidget(lblBusy);
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(framePlace);
    screen->addLayout(entries);
    screen->addWidget(lblWeather);
    screen->addWidget(picYear, 1);
    screen->addLayout(NewButtonRow({
        NewButton("cmdSaveHourly", "Save &hourly CSV", [this] { cmdSaveHourly_Click(); }),
        NewButton("cmdSaveMonthHour", "Save &month × hour CSV",
                  [this] { cmdSaveMonthHour_Click(); }),
        cmdSaveMonthly,
        NewButton("cmdSaveSchedule", "Save &EnergyPlus schedule…",
                  [this] { cmdSaveSchedule_Click(); }),
        NewButton("cmdCopyPicture", "&Copy picture", [this] { cmdCopyPicture_Click(); }),
        NewButton("cmdSavePicture", "Save &picture", [this] { cmdSavePicture_Click(); }),
        NewButton("cmdAppend", "&Append to print file", [this] { cmdAppend_Click(); }),
        NewButton("cmdSizeDevice", "Si&ze the device…", [this] { cmdSizeDevice_Click(); }),
        NewButton("cmdCompare", "Compare &with…", [this] { cmdCompare_Click(); }),
        NewButton("cmdClose", "Cl&ose", [this] { close(); }),
    }));
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
    calculation_->Request();
    ShowBusy();
}

void frmShadingYear::ShowBusy() {
    lblBusy->setText(reading_.isRunning() ? "Reading the weather file…" : "Computing…");
    lblBusy->setVisible(reading_.isRunning() || calculation_->Busy());
}

void frmShadingYear::ShowWeather() {
    chkClearSky->setVisible(!weather_);
    if (weather_) {
        const WeatherLocation& at = weather_->location;
        lblWeather->setText(ToQt("Weather: " + at.name + ", " +
                                 std::to_string(weather_->missingHours) +
                                 " missing hours in the file"));
    } else if (chkClearSky->isChecked()) {
        lblWeather->setText(ToQt("No weather file: " + ClearSkyText() + "."));
    } else {
        lblWeather->setText("No weather file: the beam fraction only.");
    }
}

void frmShadingYear::Calculation_Ready() {
    const YearResult& r = *calculation_->Latest();
    const bool barsAppear = r.totals && !chtMonths->isVisibleTo(this);
    ShowTable(r);
    ShowMonths(r);
    ShowBusy();
    // The bars and totals have just appeared: the screen grows to hold them.
    if (barsAppear)
        resize(size().expandedTo(sizeHint()));
    emit YearShown();
}

void frmShadingYear::ShowTable(const YearResult& r) {
    for (int month = 0; month < 12; ++month) {
        for (int hour = 0; hour < 24; ++hour) {
            const YearStep& step = r.table[month][hour];
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setToolTip(CellTip(r.settings, step));
            if (step.window.sunOnWindow) {
                const QColor colour = FractionColour(step.beamUSF);
                cell->setBackground(colour);
                cell->setForeground(colour.lightness() > 140 ? Qt::black : Qt::white);
                cell->setText(QString::number(step.beamUSF, 'f', 2));
            }
            tblMonthHour->setItem(month, hour, cell);
        }
    }
}

QChart* frmShadingYear::NewMonthsChart() {
    auto* chart = new QChart;
    chart->setTitle(
        "Irradiation on the window by month, kWh/m² (left bar without the device, "
        "right bar with it)");
    auto* series = new QStackedBarSeries;
    const char* const names[3] = {"beam", "sky", "ground"};
    for (int k = 0; k < 3; ++k) {
        barParts_[k] = new QBarSet(names[k]);
        series->append(barParts_[k]);
    }
    QStringList categories;
    for (int month = 0; month < 12; ++month) {
        categories << QString::number(month + 1);      // the bars are too narrow for names
        categories << QString(month + 1, QChar(' '));  // the with-device bar, unlabelled
    }
    chart->addSeries(series);
    auto* months = new QBarCategoryAxis;
    months->append(categories);
    months->setTitleText("month");
    chart->addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);
    axisKWh_ = new QValueAxis;
    axisKWh_->setLabelFormat("%.0f");
    chart->addAxis(axisKWh_, Qt::AlignLeft);
    series->attachAxis(axisKWh_);
    QFont small = months->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    months->setLabelsFont(small);
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
    QList<qreal> parts[3];
    double highest = 0;
    for (int month = 0; month < 12; ++month) {
        for (const WindowIrradiation* w : {&totals->without[month], &totals->with[month]}) {
            parts[0] << w->beam / 1000;
            parts[1] << w->sky / 1000;
            parts[2] << w->ground / 1000;
            highest = std::max(highest, parts[0].back() + parts[1].back() + parts[2].back());
        }
    }
    for (int k = 0; k < 3; ++k) {
        barParts_[k]->remove(0, barParts_[k]->count());
        barParts_[k]->append(parts[k]);
    }
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
    const QString path = QFileDialog::getOpenFileName(this, "Load weather file", {},
                                                      "EnergyPlus weather (*.epw);;All (*)");
    if (path.isEmpty())
        return;
    reading_ = QtConcurrent::run([file = FromQt(path)] {
        try {
            return WeatherRead{std::make_shared<const WeatherYear>(ReadWeatherFile(file)), {}};
        } catch (const WeatherFileError& e) {
            return WeatherRead{nullptr, e.what()};
        }
    });
    auto* watcher = new QFutureWatcher<WeatherRead>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, path] {
        watcher->deleteLater();
        Guarded([&] { WeatherRead_Done(path, watcher->result()); });
    });
    watcher->setFuture(reading_);
    cmdLoadWeather->setEnabled(false);
    ShowBusy();
}

void frmShadingYear::WeatherRead_Done(const QString& path, const WeatherRead& read) {
    cmdLoadWeather->setEnabled(true);
    ShowBusy();
    if (read.weather)
        UseWeather(read.weather);
    else
        ShowMessage(QuotedText(FromQt(path)) + " cannot be used: " + read.error);
}

void frmShadingYear::UseWeather(std::shared_ptr<const WeatherYear> weather) {
    weather_ = std::move(weather);
    ShowWeather();
    const WeatherLocation& at = weather_->location;
    framePlace->SetPlace(at.place.latitude, at.place.longitude, at.utcOffset);
    Form_Change();
}

void frmShadingYear::cmdSaveHourly_Click() {
    const QString path =
        QFileDialog::getSaveFileName(this, "Save hourly CSV", "hours.csv", "CSV (*.csv)");
    if (path.isEmpty())
        return;
    const YearSettings& s = calculation_->Settled().settings;
    HourlyCsvFile csv(FromQt(path), s);
    RunShadingYear(s, [&](const YearStep& step) { csv.Write(step); });
    csv.Close();
}

void frmShadingYear::cmdSaveMonthHour_Click() {
    const QString path = QFileDialog::getSaveFileName(this, "Save month × hour CSV",
                                                      "month-hour.csv", "CSV (*.csv)");
    if (!path.isEmpty())
        WriteMonthHourCsv(FromQt(path), calculation_->Settled().table);
}

void frmShadingYear::cmdSaveMonthly_Click() {
    const QString path =
        QFileDialog::getSaveFileName(this, "Save monthly CSV", "months.csv", "CSV (*.csv)");
    if (path.isEmpty())
        return;
    const YearResult& r = calculation_->Settled();
    if (r.totals)
        WriteMonthlyCsv(FromQt(path), r.settings, *r.totals);
}

// The schedule the batch's --energyplus-schedule writes, for the surface name asked for.
void frmShadingYear::cmdSaveSchedule_Click() {
    const QString path = QFileDialog::getSaveFileName(this, "Save EnergyPlus schedule",
                                                      "shading.csv", "CSV (*.csv)");
    if (path.isEmpty())
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
    const YearSettings& s = calculation_->Settled().settings;
    StagedFiles files;
    ShadingScheduleFile schedule(files, FromQt(path), surface, s);
    RunShadingYear(s, [&](const YearStep& step) { schedule.Write(step); });
    schedule.Close();
    files.Commit();
}

void frmShadingYear::cmdCopyPicture_Click() {
    calculation_->Settled();
    QApplication::clipboard()->setPixmap(picYear->grab());
}

void frmShadingYear::cmdSavePicture_Click() {
    calculation_->Settled();
    AskAndSaveWidgetPicture(picYear, "shading-year.png", "Shading over the year");
}

void frmShadingYear::cmdAppend_Click() {
    const YearResult& r = calculation_->Settled();
    AppendYearSection(mduUmbravel::CurrentCase(), r.settings, r.table,
                      r.totals ? &*r.totals : nullptr);
}

void frmShadingYear::cmdSizeDevice_Click() {
    (new frmSizeDevice(this, Entries(), [this](const DeviceShape& device) {
        device_ = device;
        Form_Change();
    }))->show();
}

void frmShadingYear::cmdCompare_Click() {
    (new frmCompareDesigns(this, Entries()))->show();
}
