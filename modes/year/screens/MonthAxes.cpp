#include "modes/year/screens/MonthAxes.h"

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QChart>
#include <QValueAxis>

QValueAxis* AddMonthAxes(QChart* chart, QAbstractBarSeries* bars, const QStringList& months,
                         const QString& title, QBarCategoryAxis** monthAxis) {
    auto* categories = new QBarCategoryAxis;
    categories->append(months);
    categories->setTitleText(title);
    chart->addAxis(categories, Qt::AlignBottom);
    bars->attachAxis(categories);
    auto* kWh = new QValueAxis;
    kWh->setLabelFormat("%.0f");
    chart->addAxis(kWh, Qt::AlignLeft);
    bars->attachAxis(kWh);
    if (monthAxis != nullptr)
        *monthAxis = categories;
    return kWh;
}
