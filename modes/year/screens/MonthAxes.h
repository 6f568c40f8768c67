#pragma once

#include <QString>
#include <QStringList>

class QAbstractBarSeries;
class QBarCategoryAxis;
class QChart;
class QValueAxis;

// The axes of a chart of monthly bars: the months' categories along the bottom under their
// title, kWh/m2 in whole numbers on the left. The kWh axis is returned, its range to follow the
// figures shown.
QValueAxis* AddMonthAxes(QChart* chart, QAbstractBarSeries* bars, const QStringList& months,
                         const QString& title, QBarCategoryAxis** monthAxis = nullptr);
