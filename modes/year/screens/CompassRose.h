#pragma once

#include <QWidget>
#include <functional>

// A compass rose that shows a bearing as an arrow from its centre; a click or drag sets the
// bearing, rounded to whole degrees.
class CompassRose : public QWidget {
  public:
    explicit CompassRose(std::function<void(double)> onPick);
    void SetBearing(double degrees);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void Pick(QPointF at);

    std::function<void(double)> onPick_;
    double bearing_ = 180;
};
