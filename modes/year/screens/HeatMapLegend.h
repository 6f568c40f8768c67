#pragma once

#include <QColor>
#include <QWidget>

// Colour of a beam unshaded fraction on the heat map: deep blue for a window in full shadow,
// warm yellow for one in full sun.
QColor FractionColour(double fraction);

// The heat map's legend: the colour scale from 0 to 1, labelled.
class HeatMapLegend : public QWidget {
  public:
    HeatMapLegend();

  protected:
    void paintEvent(QPaintEvent* event) override;
};
