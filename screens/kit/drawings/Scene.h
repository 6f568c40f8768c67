#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>

#include <initializer_list>

class QBrush;
class QPainter;

// The pictorial drawings: a wall with a window and shading devices, in an oblique view from
// above and to the left, so the top of an awning and the inner face of a right-hand fin show.
namespace scene {

// A point in lengths: x along the wall to the right, y out of the wall, z up from the sill.
struct Point3 {
    qreal x;
    qreal y;
    qreal z;
};

// Oblique parallel projection onto the drawing: the wall keeps its true shape and one length
// out of the wall moves a point by depth (right and down) in lengths.
class Oblique {
  public:
    Oblique(QPointF origin, qreal unit, QPointF depth)
        : origin_(origin), unit_(unit), depth_(depth) {}

    qreal unit() const { return unit_; }
    QPointF operator()(const Point3& p) const {
        return {origin_.x() + unit_ * (p.x + depth_.x() * p.y),
                origin_.y() - unit_ * (p.z - depth_.y() * p.y)};
    }
    QPolygonF operator()(std::initializer_list<Point3> points) const;

  private:
    QPointF origin_;
    qreal unit_;
    QPointF depth_;
};

// A patch of wall from left to right and bottom to top, without outline so it fades out.
// Returns its area, where the shadows fall.
QPainterPath Wall(QPainter& painter, const Oblique& view, qreal left, qreal right, qreal bottom,
                  qreal top);

// A window in the wall: its sill at height 0, from left to left + width, height high.
void Window(QPainter& painter, const Oblique& view, qreal left, qreal width, qreal height);

// A flat face: filled, then outlined.
void Face(QPainter& painter, const QPolygonF& face, const QBrush& fill, qreal lineWidth);

// An awning plate from left to right whose back edge lies on the wall at backHeight and whose
// front edge stands depth out at frontHeight, in stripes of fabric running from back to front.
void Fabric(QPainter& painter, const Oblique& view, qreal left, qreal right, qreal backHeight,
            qreal frontHeight, qreal depth, int stripes);

// The flap hanging from the awning's front edge, drop deep, with a scalloped hem.
void Valance(QPainter& painter, const Oblique& view, qreal left, qreal right, qreal height,
             qreal depth, qreal drop, int scallops);

// Where a ray along ray (y < 0) through p meets the wall.
Point3 CastOnWall(const Point3& p, const Point3& ray);

// The shadow that a flat plate casts on the wall for rays running along ray (y < 0).
QPainterPath ShadowOnWall(const Oblique& view, std::initializer_list<Point3> plate,
                          const Point3& ray);

}  // namespace scene
