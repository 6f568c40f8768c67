#include "modes/year/screens/MonthAxes.h"

#include <QAbstractAxis>
#include <QAbstractBarSeries>
#include <QChart>
#include <QValueAxis>

QValueAxis* AddMonthAxes(QChart* chart, QAbstractBarSeries* bars, QAbstractAxis* months) {
    months->setTitleText("month");
    chart->addAxis(months, Qt::AlignBottom);
    bars->attachAxis(months);
    auto* kWh = new QValueAxis;
    kWh->setLabelFormat("%.0f");
    chart->addAxis(kWh, Qt::AlignLeft);
    bars->attachAxis(kWh);
    return kWh;
}
