#include "modes/year/screens/frmSizeDevice.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "model/DimensionEntry.h"
#include "modes/year/screens/DimensionChoice.h"
#include "modes/year/screens/YearCaption.h"
#include "output/SweepCsv.h"
#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/CsvSave.h"
#include "screens/kit/DeviceWords.h"
#include "screens/kit/EventGuard.h"
#include "screens/kit/LineChart.h"
#include "screens/kit/PictureFile.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/mduUmbravel.h"

namespace {

constexpr int DefaultSteps = 21;

// Each period keeps its colour whether or not a shaded range is drawn before it.
const QColor PeriodColours[SweepPeriodCount] = {{70, 70, 70}, {220, 110, 20}, {40, 100, 200}};
const QColor MeetingColour(60, 170, 90, 70);

// Ticks at round values (1, 2 or 5 times a power of ten apart) rather than at fifths of the
// range, which rarely fall on numbers worth reading.
void RoundTicks(QValueAxis* axis, double from, double to) {
    const double rough = (to - from) / 5;
    const double power = std::pow(10, std::floor(std::log10(rough)));
    double interval = power;
    for (const double times : {2, 5, 10}) {
        if (interval < rough)
            interval = times * power;
    }
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(interval);
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(interval))));
    axis->setLabelFormat(QString("%.%1f").arg(decimals));
}

bool North(const YearRequest& request) {
    return request.entries.latitude >= 0;
}

constexpr ControlWords SizeDeviceControls[] = {
    {"cboDimension", "Dimension to sweep",
     "The dimension of the device that takes a range of values"},
    {"txtFrom", "Sweep from", "The smallest value of the dimension, in the unit of length"},
    {"txtTo", "Sweep to", "The largest value of the dimension, in the unit of length"},
    {"txtSteps", "Steps", "How many values the range is taken at, its ends included"},
    {"cmdCompute", nullptr, "Computes the year at each value of the range and draws the chart"},
    {"cmdCancel", nullptr, "Stops the sweep that is running; the last chart stays"},
    {"chkTarget1", "Target 1", "Whether the first target bounds the values sought"},
    {"cboPeriod1", "Period of target 1", "The months whose irradiation the first target counts"},
    {"cboComparison1", "Comparison of target 1",
     "Whether the device is to remove at least or at most the first target's share"},
    {"txtPercent1", "Share of target 1",
     "The share the device is to remove, in percent, by the first target"},
    {"chkTarget2", "Target 2", "Whether the second target bounds the values sought"},
    {"cboPeriod2", "Period of target 2", "The months whose irradiation the second target counts"},
    {"cboComparison2", "Comparison of target 2",
     "Whether the device is to remove at least or at most the second target's share"},
    {"txtPercent2", "Share of target 2",
     "The share the device is to remove, in percent, by the second target"},
    {"chtSweep", "Chart of the shares removed",
     "The share the device removes over the year, in summer and in winter, "
     "against the swept dimension, the targets dashed and the values meeting both shaded"},
    {"txtUse", "Value to use", "The value of the swept dimension to give the device"},
    {"cmdUse", nullptr,
     "Gives the device this value of the dimension, on the year screen and in the dimensions"},
    {"cmdSaveCsv", nullptr, "Writes the shares removed at each value of the sweep to a CSV file"},
    {"cmdSavePicture", nullptr, "Saves the chart with its caption as a picture file"},
    {"cmdClose", nullptr, "Closes this screen; the year screen stays"},
};

}  // namespace

frmSizeDevice::frmSizeDevice(QWidget* parent, YearRequest request,
                             std::function<void(const DeviceShape&)> useDevice)
    : WizardScreen("frmSizeDevice", "Size the device"),
      request_(std::move(request)),
      useDevice_(std::move(useDevice)) {
    setParent(parent, Qt::Dialog);
    CloseOnEscape();
    const DeviceShape& device = request_.entries.device;

    cboDimension = NewDimensionChoice("cboDimension", device.geometry);
    txtFrom = NewLengthBox("txtFrom");
    txtTo = NewLengthBox("txtTo");
    txtSteps = new QSpinBox;
    txtSteps->setObjectName("txtSteps");
    txtSteps->setRange(FewestSweepSteps, MostSweepSteps);
    txtSteps->setValue(DefaultSteps);
    cmdCompute = NewButton("cmdCompute", "Co&mpute", [this] { cmdCompute_Click(); });
    MakeDefault(cmdCompute);
    cmdCancel = NewButton("cmdCancel", "C&ancel", [this] { cmdCancel_Click(); });
    prgSweep = new QProgressBar;
    prgSweep->setObjectName("prgSweep");
    const auto fillRange = [this] {
        const double value = DimensionOf(request_.entries.device, Dimension());
        txtFrom->setValue(value > 0 ? value / 2 : 0);
        txtTo->setValue(value > 0 ? value * 2 : 1);
    };
    fillRange();
    connect(cboDimension, &QComboBox::currentIndexChanged, this, fillRange);

    const bool north = North(request_);
    const SweepPeriod summer = north ? SweepPeriod::JuneToAugust : SweepPeriod::DecemberToFebruary;
    const SweepPeriod winter = north ? SweepPeriod::DecemberToFebruary : SweepPeriod::JuneToAugust;
    targets_ = {NewTarget(0, {true, summer, true, 60}), NewTarget(1, {true, winter, false, 10})};

    lblCaption = NewLabel("lblCaption", "", LabelKind::Paragraph);
    chtSweep = new QChartView;
    chtSweep->setObjectName("chtSweep");
    chtSweep->setRenderHint(QPainter::Antialiasing);
    chtSweep->setMinimumSize(560, 320);
    lblMeets = NewLabel("lblMeets", "", LabelKind::Paragraph);
    picSweep = new QWidget;
    picSweep->setObjectName("picSweep");
    auto* picture = new QVBoxLayout(picSweep);
    picture->addWidget(lblCaption);
    picture->addWidget(chtSweep, 1);
    picture->addWidget(lblMeets);

    txtUse = NewLengthBox("txtUse");
    cmdUse = NewButton("cmdUse", "&Use this value", [this] { cmdUse_Click(); });
    cmdSaveCsv = NewButton("cmdSaveCsv", "Save &CSV", [this] { cmdSaveCsv_Click(); });
    auto* cmdSavePicture =
        NewButton("cmdSavePicture", "Save &picture", [this] { cmdSavePicture_Click(); });

    auto* range = new QHBoxLayout;
    range->addWidget(cboDimension, 1);
    range->addWidget(NewLabel("lblFrom", "From"));
    range->addWidget(txtFrom);
    range->addWidget(NewLabel("lblTo", "to"));
    range->addWidget(txtTo);
    range->addWidget(NewLabel("lblSteps", "Steps"));
    range->addWidget(txtSteps);
    range->addWidget(cmdCompute);
    range->addWidget(cmdCancel);
    auto* targets = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        targets->addWidget(targets_[i].on, i, 0);
        targets->addWidget(targets_[i].period, i, 1);
        targets->addWidget(targets_[i].comparison, i, 2);
        targets->addWidget(targets_[i].percent, i, 3);
    }
    targets->setColumnStretch(4, 1);
    auto* use = new QHBoxLayout;
    use->addWidget(NewLabel("lblUse", "Value to use"));
    use->addWidget(txtUse);
    use->addWidget(cmdUse);
    use->addStretch();
    auto* screen = new QVBoxLayout(this);
    screen->addLayout(range);
    screen->addWidget(prgSweep);
    screen->addLayout(targets);
    screen->addWidget(picSweep, 1);
    screen->addLayout(use);
    screen->addLayout(NewButtonRow(
        {cmdSaveCsv, cmdSavePicture, NewButton("cmdClose", "Cl&ose", [this] { close(); })}));

    ShowRunning(false);
    cmdUse->setEnabled(false);
    txtUse->setEnabled(false);
    cmdSaveCsv->setEnabled(false);
    if (!request_.weather && !request_.entries.clearSky) {
        cmdCompute->setEnabled(false);
        lblMeets->setText(
            "The year has no irradiation to remove: load a weather file or choose the clear sky "
            "on the year screen.");
    }
    ShowCaption();
    SayControls(this, SizeDeviceControls);
}

// A sweep still running ends at its next value or day; nothing waits for it.
frmSizeDevice::~frmSizeDevice() {
    stop_.request_stop();
}

frmSizeDevice::TargetBoxes frmSizeDevice::NewTarget(int index, const SweepTarget& initial) {
    static const char* const names[2][4] = {
        {"chkTarget1", "cboPeriod1", "cboComparison1", "txtPercent1"},
        {"chkTarget2", "cboPeriod2", "cboComparison2", "txtPercent2"}};
    TargetBoxes t{new QCheckBox(QString("Target &%1:").arg(index + 1)), new QComboBox,
                  new QComboBox, new QDoubleSpinBox};
    t.on->setObjectName(names[index][0]);
    t.period->setObjectName(names[index][1]);
    t.comparison->setObjectName(names[index][2]);
    t.percent->setObjectName(names[index][3]);
    const bool north = North(request_);
    t.period->addItem("over the year");
    t.period->addItem(ToQt("in " + PeriodName(SweepPeriod::JuneToAugust, north)));
    t.period->addItem(ToQt("in " + PeriodName(SweepPeriod::DecemberToFebruary, north)));
    t.comparison->addItems({"removed at least", "removed at most"});
    t.percent->setRange(0, 100);
    t.percent->setDecimals(1);
    t.percent->setSuffix(" %");
    t.on->setChecked(initial.on);
    t.period->setCurrentIndex(static_cast<int>(initial.period));
    t.comparison->setCurrentIndex(initial.atLeast ? 0 : 1);
    t.percent->setValue(initial.percent);
    const auto changed = [this] {
        Guarded([this] {
            for (const TargetBoxes& b : targets_) {
                for (QWidget* box :
                     {static_cast<QWidget*>(b.period), static_cast<QWidget*>(b.comparison),
                      static_cast<QWidget*>(b.percent)})
                    box->setEnabled(b.on->isChecked());
            }
            if (!rows_.empty())
                ShowSweep();
        });
    };
    connect(t.on, &QCheckBox::toggled, this, changed);
    connect(t.period, &QComboBox::currentIndexChanged, this, changed);
    connect(t.comparison, &QComboBox::currentIndexChanged, this, changed);
    connect(t.percent, &QDoubleSpinBox::valueChanged, this, changed);
    return t;
}

SweptDimension frmSizeDevice::Dimension() const {
    return static_cast<SweptDimension>(cboDimension->currentData().toInt());
}

SweepTargets frmSizeDevice::Targets() const {
    SweepTargets targets;
    for (int i = 0; i < 2; ++i) {
        const TargetBoxes& b = targets_[i];
        targets[i] = {b.on->isChecked(), static_cast<SweepPeriod>(b.period->currentIndex()),
                      b.comparison->currentIndex() == 0, b.percent->value()};
    }
    return targets;
}

void frmSizeDevice::ShowRunning(bool running) {
    cmdCompute->setEnabled(!running);
    cmdCancel->setEnabled(running);
    prgSweep->setVisible(running);
}

void frmSizeDevice::cmdCompute_Click() {
    const SweepRange range{Dimension(), txtFrom->value(), txtTo->value(), txtSteps->value()};
    if (!(range.from < range.to)) {
        ShowMessage("The range must run from a smaller value to a larger one.");
        return;
    }
    stop_.request_stop();
    stop_ = std::stop_source();
    YearEntries entries = request_.entries;
    entries.weather = request_.weather.get();
    const std::uint64_t generation = ++started_;
    const QFuture<std::vector<SweepRow>> sweep =
        QtConcurrent::run([entries, range, weather = request_.weather,
                           stop = stop_.get_token()](QPromise<std::vector<SweepRow>>& promise) {
            promise.setProgressRange(0, range.steps);
            promise.addResult(SweepDevice(
                entries, range, [&](int done) { promise.setProgressValue(done); }, stop));
        });
    auto* watcher = new QFutureWatcher<std::vector<SweepRow>>(this);
    connect(watcher, &QFutureWatcherBase::progressRangeChanged, prgSweep, &QProgressBar::setRange);
    connect(watcher, &QFutureWatcherBase::progressValueChanged, prgSweep, &QProgressBar::setValue);
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, range, generation, stop = stop_.get_token()] {
                watcher->deleteLater();
                // A newer sweep has taken its place.
                if (generation != started_)
                    return;
                Guarded([&] {
                    ShowRunning(false);
                    if (!stop.stop_requested()) {
                        swept_ = range;
                        rows_ = watcher->result();
                        ShowSweep();
                    }
                    emit SweepEnded();
                });
            });
    watcher->setFuture(sweep);
    prgSweep->setRange(0, range.steps);
    prgSweep->setValue(0);
    ShowRunning(true);
}

void frmSizeDevice::cmdCancel_Click() {
    stop_.request_stop();
    lblMeets->setText(rows_.empty() ? "Cancelled."
                                    : "Cancelled: the chart shows the last sweep computed.");
}

void frmSizeDevice::ShowSweep() {
    const SweepTargets targets = Targets();
    const TargetsMet met = MeetTargets(rows_, targets);
    const bool north = North(request_);
    auto* chart = new QChart;
    chart->setTitle(request_.entries.glazingPanes > 0
                        ? "Share of the solar gain through the glazing removed by the device"
                        : "Share of the irradiation on the window removed by the device");
    chart->legend()->setAlignment(Qt::AlignBottom);
    double low = 0, high = 1;
    if (targets[0].on || targets[1].on) {
        for (const ValueSpan& span : met.both) {
            auto* upper = new QLineSeries;
            auto* lower = new QLineSeries;
            upper->append({{span.from, 100}, {span.to, 100}});
            lower->append({{span.from, 0}, {span.to, 0}});
            auto* area = new QAreaSeries(upper, lower);
            // The area draws its edges but does not own them.
            upper->setParent(area);
            lower->setParent(area);
            area->setName("meets the targets");
            area->setBrush(MeetingColour);
            area->setPen(QPen(MeetingColour.darker(), 1));
            chart->addSeries(area);
            // One entry in the legend for all the spans.
            chart->legend()->markers(area).front()->setVisible(&span == &met.both.front());
        }
    }
    // Each target as a dashed line in its period's colour.
    for (const SweepTarget& t : targets) {
        if (!t.on)
            continue;
        auto* line = new QLineSeries;
        line->append({{swept_.from, t.percent}, {swept_.to, t.percent}});
        line->setPen(QPen(PeriodColours[static_cast<int>(t.period)], 1.5, Qt::DashLine));
        chart->addSeries(line);
        chart->legend()->markers(line).front()->setVisible(false);
        low = std::min(low, t.percent);
        high = std::max(high, t.percent);
    }
    for (int p = 0; p < SweepPeriodCount; ++p) {
        auto* line = new QLineSeries;
        const auto period = static_cast<SweepPeriod>(p);
        line->setName(period == SweepPeriod::Year ? "year" : ToQt(PeriodName(period, north)));
        line->setPen(QPen(PeriodColours[p], 2));
        for (const SweepRow& row : rows_) {
            const double removed = row.removed[p];
            if (std::isnan(removed))
                continue;
            line->append(row.value, removed);
            low = std::min(low, removed);
            high = std::max(high, removed);
        }
        chart->addSeries(line);
    }
    auto* values = new QValueAxis;
    values->setTitleText(
        cboDimension->itemText(cboDimension->findData(static_cast<int>(swept_.dimension))));
    values->setRange(swept_.from, swept_.to);
    RoundTicks(values, swept_.from, swept_.to);
    auto* removed = new QValueAxis;
    removed->setTitleText("removed, %");
    removed->setLabelFormat("%.0f");
    removed->setRange(low, high);
    removed->applyNiceNumbers();
    ShowLineChart(chtSweep, chart, values, removed);

    lblMeets->setText(ToQt(TargetsInWords(met, targets, SymbolOf(swept_.dimension),
                                          NamesOf(mduUmbravel::Kept.unit).option, swept_, north)));
    txtUse->setDecimals(std::max(3, SweepDecimals(swept_)));
    txtUse->setRange(swept_.from, swept_.to);
    txtUse->setSingleStep((swept_.to - swept_.from) / (swept_.steps - 1));
    const ValueSpan middleOf = met.both.empty() ? ValueSpan{swept_.from, swept_.to} : met.both[0];
    txtUse->setValue((middleOf.from + middleOf.to) / 2);
    txtUse->setEnabled(true);
    cmdUse->setEnabled(true);
    cmdSaveCsv->setEnabled(true);
    ShowCaption();
}

void frmSizeDevice::ShowCaption() {
    const YearEntries& e = request_.entries;
    const Geometry geometry = e.device.geometry;
    std::string caption = GeometryInWords(geometry);
    if (!rows_.empty()) {
        caption += ", " + std::string(SymbolOf(swept_.dimension)) + " from " +
                   PlainNumberText(swept_.from) + " to " + PlainNumberText(swept_.to) + " in " +
                   std::to_string(swept_.steps) + " steps";
    }
    caption += ". " + DimensionsInWords(e.device, mduUmbravel::Kept.unit) + ".\n" +
               PlaceAndWeatherInWords(request_);
    lblCaption->setText(ToQt(caption + "."));
}

void frmSizeDevice::cmdUse_Click() {
    const double value = txtUse->value();
    DimensionTexts texts = mduUmbravel::Kept.dimensions;
    texts.*BoxTextOf(swept_.dimension) = RoundTripText(value);
    texts.DelW = DelWText(texts.WP, texts.W);
    const DeviceShape& device = request_.entries.device;
    if (const auto refused =
            RefuseDimensions(texts, device.layout, WordsFor(device.geometry).widthLabel)) {
        ShowMessage(refused->message);
        return;
    }
    mduUmbravel::Kept.dimensions = texts;
    mduUmbravel::StoreDimensions(texts);
    request_.entries.device = WithDimension(device, swept_.dimension, value);
    ShowCaption();
    useDevice_(request_.entries.device);
}

void frmSizeDevice::cmdSaveCsv_Click() {
    AskAndSaveCsv(this, "Sweep CSV", "sweep.csv", [this](const std::string& path) {
        WriteSweepCsv(path, SymbolOf(swept_.dimension), request_.entries.glazingPanes > 0, rows_);
    });
}

// The picture carries its caption in words above the chart.
void frmSizeDevice::cmdSavePicture_Click() {
    AskAndSaveWidgetPicture(picSweep, "sizing.png", windowTitle());
}
