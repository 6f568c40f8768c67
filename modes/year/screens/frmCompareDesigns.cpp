#include "modes/year/screens/frmCompareDesigns.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>

#include "base/DateTimeText.h"
#include "base/NumberText.h"
#include "modes/year/DesignComparison.h"
#include "modes/year/MonthNames.h"
#include "modes/year/SweepTargets.h"
#include "modes/year/screens/DimensionChoice.h"
#include "modes/year/screens/HeatMapLegend.h"
#include "modes/year/screens/HeatMapTable.h"
#include "modes/year/screens/MonthAxes.h"
#include "modes/year/screens/YearCaption.h"
#include "output/KWhText.h"
#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/DeviceWords.h"
#include "screens/kit/EventGuard.h"
#include "screens/kit/PictureFile.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/ScrollingPart.h"
#include "screens/kit/mduUmbravel.h"

namespace {

// "+1.2" with its sign, so that a difference reads as one; none on a figure of zero.
QString Signed(const std::string& figure) {
    const bool plus = figure[0] != '-' && figure.find_first_of("123456789") != std::string::npos;
    return ToQt((plus ? "+" : "") + figure);
}

QString Percent(double x) {
    return std::isnan(x) ? QString("-") : ToQt(PatternText(x, "0.0"));
}

constexpr ControlWords CompareControls[] = {
    {"cboDimension", "Dimension changed",
     "The dimension in which the second design differs from the first"},
    {"txtValue", "Value in the second design",
     "The value the changed dimension takes in the second design, in the unit of length"},
    {"tblFirst", "Heat map of the first design",
     "The first design's beam unshaded fraction on the 21st of each month, a row a month and a "
     "column an hour"},
    {"tblSecond", "Heat map of the second design",
     "The second design's beam unshaded fraction on the 21st of each month, a row a month and a "
     "column an hour"},
    {"chtMonths", "Monthly bars of the two designs",
     "The irradiation by month without the device, with the first design and with the second"},
    {"tblDifferences", "Differences between the designs",
     "Over the year, in summer and in winter: what each design lets through and removes, and "
     "their differences"},
    {"cmdSavePicture", nullptr, "Saves the heat maps, bars and differences as a picture file"},
    {"cmdClose", nullptr, "Closes this screen; the year screen stays"},
};

}  // namespace

frmCompareDesigns::frmCompareDesigns(QWidget* parent, YearRequest request)
    : WizardScreen("frmCompareDesigns", "Compare designs"), request_(std::move(request)) {
    setParent(parent, Qt::Dialog);
    CloseOnEscape();
    const DeviceShape& device = request_.entries.device;

    cboDimension = NewDimensionChoice("cboDimension", device.geometry);
    txtValue = NewLengthBox("txtValue", 0.1);
    txtValue->setValue(device.L / 2);
    lblBusy = NewBusyLabel();

    lblFirst = NewLabel("lblFirst", "");
    lblSecond = NewLabel("lblSecond", "");
    tblFirst = NewHeatMapTable("tblFirst");
    tblSecond = NewHeatMapTable("tblSecond");

    auto* chart = new QChart;
    chart->setTitle(request_.entries.glazingPanes > 0
                        ? "Solar gain through the glazing by month, kWh/m²"
                        : "Irradiation on the window by month, kWh/m²");
    auto* series = new QBarSeries;
    const char* const names[3] = {"without the device", "first design", "second design"};
    for (int k = 0; k < 3; ++k) {
        barSets_[k] = new QBarSet(names[k]);
        series->append(barSets_[k]);
    }
    chart->addSeries(series);
    auto* months = new QBarCategoryAxis;
    for (int month = 0; month < 12; ++month)
        months->append(QString::fromLatin1(MonthAbbreviation(month).data(), 3));
    axisKWh_ = AddMonthAxes(chart, series, months);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chtMonths = new QChartView(chart);
    chtMonths->setObjectName("chtMonths");
    chtMonths->setRenderHint(QPainter::Antialiasing);
    chtMonths->setMinimumHeight(240);

    tblDifferences = new QTableWidget(3, 6);
    tblDifferences->setObjectName("tblDifferences");
    tblDifferences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDifferences->setSelectionMode(QAbstractItemView::NoSelection);
    tblDifferences->setHorizontalHeaderLabels({"first, kWh/m²", "second, kWh/m²",
                                               "difference, kWh/m²", "first removed, %",
                                               "second removed, %", "difference, points"});
    const bool north = request_.entries.latitude >= 0;
    tblDifferences->setVerticalHeaderLabels(
        {"year", ToQt(PeriodName(SweepPeriod::JuneToAugust, north)),
         ToQt(PeriodName(SweepPeriod::DecemberToFebruary, north))});
    tblDifferences->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblDifferences->setFixedHeight(tblDifferences->horizontalHeader()->sizeHint().height() +
                                   3 * tblDifferences->verticalHeader()->defaultSectionSize() +
                                   2 * tblDifferences->frameWidth() + 2);

    picCompare = new QWidget;
    picCompare->setObjectName("picCompare");
    // The heat maps stand side by side where the screen is wide enough, one under the other
    // on a narrow display.
    auto* maps = new QBoxLayout(QBoxLayout::LeftToRight);
    for (auto [title, table] : {std::pair{lblFirst, tblFirst}, std::pair{lblSecond, tblSecond}}) {
        auto* map = new QVBoxLayout;
        map->addWidget(title);
        map->addWidget(table, 1);
        maps->addLayout(map);
    }
    auto* picture = new QVBoxLayout(picCompare);
    picture->addLayout(maps, 3);
    picture->addWidget(new HeatMapLegend);
    picture->addWidget(chtMonths, 2);
    picture->addWidget(tblDifferences);

    auto* second = new QHBoxLayout;
    second->addWidget(NewLabel("lblSecondDesign", "Second design: the first with"));
    second->addWidget(cboDimension, 1);
    second->addWidget(NewLabel("lblAt", "at"));
    second->addWidget(txtValue);
    second->addStretch();
    second->addWidget(lblBusy);
    auto* screen = new QVBoxLayout(this);
    screen->addLayout(second);
    auto* figures = new ScrollingPart("scrFigures", picCompare, fontMetrics().lineSpacing() * 8);
    screen->addWidget(figures, 1);
    screen->addLayout(NewButtonRow(
        {NewButton("cmdSavePicture", "Save &picture", [this] { cmdSavePicture_Click(); }),
         NewButton("cmdClose", "Cl&ose", [this] { close(); })}));
    StackWhenNarrow(maps, picture->contentsMargins().left() + picture->contentsMargins().right() +
                              style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    SayControls(this, CompareControls);

    first_ = new YearCalculation([this] { return request_; }, this);
    second_ = new YearCalculation([this] { return SecondDesign(); }, this);
    for (YearCalculation* calculation : {first_, second_}) {
        connect(calculation, &YearCalculation::ResultReady, this,
                [this] { Guarded([this] { Result_Ready(); }); });
    }
    const auto changed = [this] { Guarded([this] { Second_Change(); }); };
    connect(cboDimension, &QComboBox::currentIndexChanged, this, [this, changed] {
        const auto dimension = static_cast<SweptDimension>(cboDimension->currentData().toInt());
        txtValue->setValue(DimensionOf(request_.entries.device, dimension));
        changed();
    });
    connect(txtValue, &QDoubleSpinBox::valueChanged, this, changed);
    ShowTitles();
    first_->Start();
    second_->Start();
}

YearRequest frmCompareDesigns::SecondDesign() const {
    YearRequest second = request_;
    second.entries.device = WithDimension(
        request_.entries.device, static_cast<SweptDimension>(cboDimension->currentData().toInt()),
        txtValue->value());
    return second;
}

void frmCompareDesigns::Second_Change() {
    ShowTitles();
    second_->Request();
    lblBusy->setVisible(true);
}

void frmCompareDesigns::ShowTitles() {
    const auto dimension = static_cast<SweptDimension>(cboDimension->currentData().toInt());
    const auto title = [&](const char* which, const DeviceShape& device) {
        return QString(which) + ": " + ToQt(SymbolOf(dimension)) + " = " +
               ToQt(PlainNumberText(DimensionOf(device, dimension)));
    };
    lblFirst->setText(title("First design", request_.entries.device));
    lblSecond->setText(title("Second design", SecondDesign().entries.device));
}

void frmCompareDesigns::Result_Ready() {
    const bool busy = first_->Busy() || second_->Busy();
    lblBusy->setVisible(busy);
    const YearResult* first = first_->Latest();
    const YearResult* second = second_->Latest();
    if (first)
        ShowHeatMap(tblFirst, first->table);
    if (second)
        ShowHeatMap(tblSecond, second->table);
    if (!first || !second || !first->totals || !second->totals)
        return;
    ShowMonths(*first, *second);
    ShowDifferences(*first, *second);
    if (!busy)
        emit Compared();
}

void frmCompareDesigns::ShowMonths(const YearResult& first, const YearResult& second) {
    const bool glass = request_.entries.glazingPanes > 0;
    const auto part = [glass](const WindowIrradiation& w) {
        return (glass ? w.throughGlass : w.Total()) * KWhPerWh;
    };
    QList<qreal> values[3];
    double highest = 0;
    for (int month = 0; month < 12; ++month) {
        values[0] << part(first.totals->without[month]);
        values[1] << part(first.totals->with[month]);
        values[2] << part(second.totals->with[month]);
        for (const QList<qreal>& v : values)
            highest = std::max(highest, v.back());
    }
    for (int k = 0; k < 3; ++k) {
        barSets_[k]->remove(0, barSets_[k]->count());
        barSets_[k]->append(values[k]);
    }
    axisKWh_->setRange(0, highest);
    axisKWh_->applyNiceNumbers();
}

void frmCompareDesigns::ShowDifferences(const YearResult& first, const YearResult& second) {
    const auto rows =
        ComparePeriods(*first.totals, *second.totals, request_.entries.glazingPanes > 0);
    for (int p = 0; p < 3; ++p) {
        const PeriodComparison& r = rows[p];
        const QString cells[6] = {ToQt(KWhFigure(r.withFirst)),
                                  ToQt(KWhFigure(r.withSecond)),
                                  Signed(KWhFigure(r.WithDifference())),
                                  Percent(r.removedFirst),
                                  Percent(r.removedSecond),
                                  std::isnan(r.RemovedDifference())
                                      ? QString("-")
                                      : Signed(PatternText(r.RemovedDifference(), "0.0"))};
        for (int column = 0; column < 6; ++column) {
            auto* cell = new QTableWidgetItem(cells[column]);
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblDifferences->setItem(p, column, cell);
        }
    }
}

// Under the picture: the first design and where its year is; the heat maps' titles name the
// second.
void frmCompareDesigns::cmdSavePicture_Click() {
    const DeviceShape& device = request_.entries.device;
    AskAndSaveWidgetPicture(
        picCompare, "designs.png", windowTitle(),
        {ToQt(GeometryInWords(device.geometry) + ", the first design; " + DateText()),
         ToQt(DimensionsInWords(device, mduUmbravel::Kept.unit)),
         ToQt(PlaceAndWeatherInWords(request_))});
}
