#pragma once

class QAbstractAxis;
class QAbstractBarSeries;
class QChart;
class QValueAxis;

// The axes of a chart of monthly bars: the months along the bottom titled "month", kWh/m2 in
// whole numbers on the left. The kWh axis is returned, its range to follow the figures shown.
QValueAxis* AddMonthAxes(QChart* chart, QAbstractBarSeries* bars, QAbstractAxis* months);
