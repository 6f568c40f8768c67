#pragma once

class QChart;
class QChartView;
class QValueAxis;

// Puts the chart in the view with its two axes, every series drawn against both. The chart the
// view held before is deleted: a view gives up the chart it is handed a new one for.
void ShowLineChart(QChartView* view, QChart* chart, QValueAxis* bottom, QValueAxis* left);
