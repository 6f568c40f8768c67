#include "modes/year/screens/CompassRose.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr double Radian = 3.14159265358979323846 / 180;

// Screen point at the bearing (clockwise from north, up) and the given distance from centre.
QPointF AtBearing(QPointF centre, double bearing, double distance) {
    return centre + QPointF(std::sin(bearing * Radian), -std::cos(bearing * Radian)) * distance;
}

}  // namespace

CompassRose::CompassRose(std::function<void(double)> onPick) : onPick_(std::move(onPick)) {
    setObjectName("picCompassRose");
    setMinimumSize(120, 120);
    setCursor(Qt::PointingHandCursor);
    setToolTip("The window's outward normal: click or drag to set it");
}

void CompassRose::SetBearing(double degrees) {
    bearing_ = degrees;
    update();
}

void CompassRose::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double radius = std::min(width(), height()) / 2.0 - fontMetrics().height() - 2;
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.setBrush(palette().color(QPalette::Base));
    p.drawEllipse(centre, radius, radius);
    for (int tick = 0; tick < 360; tick += 30)
        p.drawLine(AtBearing(centre, tick, radius * 0.85), AtBearing(centre, tick, radius));
    p.setPen(palette().color(QPalette::WindowText));
    const char* const points[4] = {"N", "E", "S", "W"};
    for (int k = 0; k < 4; ++k) {
        const QPointF at = AtBearing(centre, k * 90, radius + fontMetrics().height() / 2.0 + 1);
        p.drawText(QRectF(at.x() - 10, at.y() - 10, 20, 20), Qt::AlignCenter, points[k]);
    }
    // The wall across the centre, the arrow out of it.
    p.setPen(QPen(palette().color(QPalette::WindowText), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(AtBearing(centre, bearing_ - 90, radius * 0.45),
               AtBearing(centre, bearing_ + 90, radius * 0.45));
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    const QPointF tip = AtBearing(centre, bearing_, radius * 0.9);
    p.drawLine(centre, tip);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(AtBearing(tip, bearing_ + 150, radius * 0.15));
    head.lineTo(AtBearing(tip, bearing_ - 150, radius * 0.15));
    head.closeSubpath();
    p.fillPath(head, palette().color(QPalette::Highlight));
}

void CompassRose::mousePressEvent(QMouseEvent* event) {
    Pick(event->position());
}

void CompassRose::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        Pick(event->position());
}

void CompassRose::Pick(QPointF at) {
    const QPointF d = at - QPointF(width() / 2.0, height() / 2.0);
    if (d.isNull())
        return;
    double bearing = std::round(std::atan2(d.x(), -d.y()) / Radian);
    if (bearing < 0)
        bearing += 360;
    SetBearing(bearing);
    onPick_(bearing);
}
