#include "modes/matrix/screens/MatrixChart.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "screens/kit/LineChart.h"
#include "screens/kit/PictureFile.h"
#include "screens/kit/ScreenParts.h"

using namespace mduUmbravel;

namespace {
const QString ChartTitle = "Beam USF against solar altitude, one line per azimuth";
}

MatrixChart::MatrixChart() : chtMatrix(new QChartView) {
    chtMatrix->setObjectName("chtMatrix");
    chtMatrix->setAccessibleName("Chart of the beam unshaded fraction");
    chtMatrix->setRenderHint(QPainter::Antialiasing);
    chtMatrix->setMinimumSize(420, 300);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(chtMatrix, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(
        NewButton("cmdSavePicture", "Save &picture", [this] { cmdSavePicture_Click(); }));
    column->addLayout(row);
}

void MatrixChart::Show(const BeamMatrix& sweep, const std::string& dataPath,
                       const QStringList& caption) {
    dataPath_ = dataPath;
    caption_ = caption;
    auto* chart = new QChart;
    chart->setTitle(ChartTitle);
    chtMatrix->setAccessibleDescription(
        ChartTitle + ", as the table shows: " + QString::number(sweep.azimuths.size()) +
        " azimuths from the window normal.");
    chart->legend()->setAlignment(Qt::AlignBottom);
    double low = 0, high = 1;
    for (std::size_t j = 0; j < sweep.azimuths.size(); ++j) {
        auto* line = new QLineSeries;
        line->setName(QString("%1\u00b0").arg(sweep.azimuths[j] * RadToDeg, 0, 'f', 1));
        for (std::size_t i = 0; i < sweep.altitudes.size(); ++i) {
            const double usf = sweep.usf[i][j];
            line->append(sweep.altitudes[i] * RadToDeg, usf);
            low = std::min(low, usf);
            high = std::max(high, usf);
        }
        chart->addSeries(line);
    }
    auto* altitude = new QValueAxis;
    altitude->setTitleText("Solar altitude (deg)");
    altitude->setRange(0, 90);
    altitude->setTickCount(7);
    altitude->setLabelFormat("%.0f");
    auto* usf = new QValueAxis;
    usf->setTitleText("Unshaded fraction");
    usf->setRange(low, high);
    ShowLineChart(chtMatrix, chart, altitude, usf);
}

bool MatrixChart::SavePicture(const QString& path) {
    return SaveWidgetPicture(chtMatrix, path, ChartTitle, caption_);
}

void MatrixChart::cmdSavePicture_Click() {
    AskAndSaveWidgetPicture(chtMatrix, ToQt(dataPath_ + "matrix.png"), ChartTitle, caption_);
}
