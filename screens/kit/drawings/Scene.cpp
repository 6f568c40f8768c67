#include "screens/kit/drawings/Scene.h"

#include <QBrush>
#include <QPainter>

#include <algorithm>

#include "screens/kit/drawings/Sketch.h"

namespace scene {

QPolygonF Oblique::operator()(std::initializer_list<Point3> points) const {
    QPolygonF polygon;
    for (const Point3& p : points) {
        polygon << (*this)(p);
    }
    return polygon;
}

QPainterPath Wall(QPainter& painter, const Oblique& view, qreal left, qreal right, qreal bottom,
                  qreal top) {
    QPainterPath area;
    area.addPolygon(view({{left, 0, bottom}, {right, 0, bottom}, {right, 0, top}, {left, 0, top}}));
    area.closeSubpath();
    painter.fillPath(area, sketch::kWall);
    return area;
}

void Window(QPainter& painter, const Oblique& view, qreal left, qreal width, qreal height) {
    const qreal frame = std::min(width, height) * 0.07;
    const qreal right = left + width;
    const qreal line = view.unit() * 0.04;
    Face(painter, view({{left, 0, 0}, {right, 0, 0}, {right, 0, height}, {left, 0, height}}),
         sketch::kFrame, line * 1.3);
    const qreal l = left + frame;
    const qreal r = right - frame;
    const qreal b = frame;
    const qreal t = height - frame;
    Face(painter, view({{l, 0, b}, {r, 0, b}, {r, 0, t}, {l, 0, t}}), sketch::kGlass, line);
    // Two glints tell glass from a plain panel.
    painter.save();
    sketch::SetPen(painter, line * 1.6, sketch::kPaper);
    const qreal w = r - l;
    const qreal h = t - b;
    painter.drawLine(view({l + w * 0.12, 0, b + h * 0.42}), view({l + w * 0.42, 0, b + h * 0.12}));
    painter.drawLine(view({l + w * 0.12, 0, b + h * 0.58}), view({l + w * 0.3, 0, b + h * 0.4}));
    painter.restore();
}

void Face(QPainter& painter, const QPolygonF& face, const QBrush& fill, qreal lineWidth) {
    painter.save();
    painter.setBrush(fill);
    sketch::SetPen(painter, lineWidth);
    painter.drawPolygon(face);
    painter.restore();
}

void Fabric(QPainter& painter, const Oblique& view, qreal left, qreal right, qreal backHeight,
            qreal frontHeight, qreal depth, int stripes) {
    const qreal step = (right - left) / stripes;
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < stripes; ++i) {
        const qreal a = left + step * i;
        const qreal b = a + step;
        painter.setBrush(i % 2 == 0 ? sketch::kStripe : sketch::kCanvas);
        painter.drawPolygon(view({{a, 0, backHeight},
                                  {b, 0, backHeight},
                                  {b, depth, frontHeight},
                                  {a, depth, frontHeight}}));
    }
    painter.restore();
    Face(painter,
         view({{left, 0, backHeight},
               {right, 0, backHeight},
               {right, depth, frontHeight},
               {left, depth, frontHeight}}),
         Qt::NoBrush, view.unit() * 0.045);
}

void Valance(QPainter& painter, const Oblique& view, qreal left, qreal right, qreal height,
             qreal depth, qreal drop, int scallops) {
    const qreal step = (right - left) / scallops;
    QPainterPath flap(view({left, depth, height}));
    flap.lineTo(view({right, depth, height}));
    flap.lineTo(view({right, depth, height - drop * 0.6}));
    for (int i = scallops; i > 0; --i) {
        const qreal a = left + step * i;
        flap.quadTo(view({a - step / 2, depth, height - drop * 1.4}),
                    view({a - step, depth, height - drop * 0.6}));
    }
    flap.closeSubpath();
    painter.save();
    painter.setBrush(sketch::kStripe);
    sketch::SetPen(painter, view.unit() * 0.045);
    painter.drawPath(flap);
    painter.restore();
}

Point3 CastOnWall(const Point3& p, const Point3& ray) {
    const qreal t = -p.y / ray.y;
    return {p.x + t * ray.x, 0, p.z + t * ray.z};
}

QPainterPath ShadowOnWall(const Oblique& view, std::initializer_list<Point3> plate,
                          const Point3& ray) {
    QPolygonF cast;
    for (const Point3& p : plate) {
        cast << view(CastOnWall(p, ray));
    }
    QPainterPath path;
    path.addPolygon(cast);
    path.closeSubpath();
    return path;
}

}  // namespace scene
