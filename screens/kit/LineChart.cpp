#include "screens/kit/LineChart.h"

#include <QChart>
#include <QChartView>
#include <QValueAxis>

void ShowLineChart(QChartView* view, QChart* chart, QValueAxis* bottom, QValueAxis* left) {
    chart->addAxis(bottom, Qt::AlignBottom);
    chart->addAxis(left, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(bottom);
        series->attachAxis(left);
    }
    QChart* previous = view->chart();
    view->setChart(chart);
    delete previous;
}
