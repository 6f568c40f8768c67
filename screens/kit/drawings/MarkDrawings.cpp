// The start and information screens' pictures: the maker's mark and two sunlit windows.
#include <QPainter>
#include <QPainterPath>

#include <utility>

#include "screens/kit/drawings/Painters.h"
#include "screens/kit/drawings/Scene.h"
#include "screens/kit/drawings/Sketch.h"

namespace drawings {

namespace {

// An awning seen from the front: a striped trapezoid widening downward, hem scalloped.
void AwningFront(QPainter& painter, QRectF band, qreal inset, int stripes, qreal drop) {
    const qreal top = band.top();
    const qreal bottom = band.bottom();
    const qreal topStep = (band.width() - 2 * inset) / stripes;
    const qreal bottomStep = band.width() / stripes;
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < stripes; ++i) {
        painter.setBrush(i % 2 == 0 ? sketch::kStripe : sketch::kCanvas);
        painter.drawPolygon(QPolygonF{{band.left() + inset + topStep * i, top},
                                      {band.left() + inset + topStep * (i + 1), top},
                                      {band.left() + bottomStep * (i + 1), bottom},
                                      {band.left() + bottomStep * i, bottom}});
    }
    const qreal line = band.height() * 0.06;
    sketch::SetPen(painter, line);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(QPolygonF{{band.left() + inset, top},
                                  {band.right() - inset, top},
                                  band.bottomRight(),
                                  band.bottomLeft()});
    QPainterPath hem(band.bottomLeft());
    hem.lineTo(band.bottomRight());
    hem.lineTo(band.right(), bottom + drop * 0.5);
    for (int i = stripes; i > 0; --i) {
        const qreal x = band.left() + bottomStep * i;
        hem.quadTo(x - bottomStep / 2, bottom + drop * 1.5, x - bottomStep, bottom + drop * 0.5);
    }
    hem.closeSubpath();
    painter.setBrush(sketch::kStripe);
    painter.drawPath(hem);
    painter.restore();
}

}  // namespace

void PaintLogo(QPainter& painter) {
    sketch::Sun(painter, {70, 62}, 22, 12);
    AwningFront(painter, QRectF(20, 66, 100, 26), 16, 7, 9);
    QFont font = sketch::LabelFont(17, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 112);
    painter.setFont(font);
    painter.setPen(sketch::kInk);
    painter.drawText(QRectF(0, 110, 140, 26), Qt::AlignCenter, QStringLiteral("HELIORAN"));
}

void PaintSplash(QPainter& painter) {
    using scene::Point3;
    const scene::Oblique view({86, 192}, 36, {0.5, 0.28});
    const qreal width = 3.2;
    const qreal height = 3.0;
    const qreal left = -0.3;
    const qreal right = width + 0.3;
    const qreal back = 3.8;
    const qreal front = 3.3;
    const qreal depth = 1.25;
    const qreal foot = -0.3;
    const Point3 ray{-0.75, -1, -0.8};

    const QPainterPath wall = scene::Wall(painter, view, -1.6, 6.0, -0.9, 5.2);
    scene::Window(painter, view, 0, width, height);

    QPainterPath shadow = scene::ShadowOnWall(
        view, {{left, 0, back}, {right, 0, back}, {right, depth, front}, {left, depth, front}},
        ray);
    for (qreal x : {left, right}) {
        shadow |= scene::ShadowOnWall(
            view, {{x, 0, foot}, {x, 0, back}, {x, depth, front}, {x, depth, foot}}, ray);
    }
    sketch::Hatch(painter, shadow & wall, 5);

    const qreal line = view.unit() * 0.045;
    for (qreal x : {left, right}) {
        scene::Face(painter,
                    view({{x, 0, foot}, {x, 0, back}, {x, depth, front}, {x, depth, foot}}),
                    sketch::kCanvas, line);
    }
    scene::Fabric(painter, view, left, right, back, front, depth, 9);
    scene::Valance(painter, view, left, right, front, depth, 0.28, 9);

    sketch::Sun(painter, {284, 38}, 17, 12);
}

void PaintUsing(QPainter& painter) {
    const QRectF window(72, 44, 78, 74);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(sketch::kWall);
    painter.drawRect(QRectF(52, 18, 118, 106));
    sketch::SetPen(painter, 1.6);
    painter.setBrush(sketch::kFrame);
    painter.drawRect(window);
    const QRectF glass = window.adjusted(6, 6, -6, -6);
    sketch::SetPen(painter, 1.2);
    painter.setBrush(sketch::kGlass);
    painter.drawRect(glass);
    painter.drawLine(QPointF(glass.center().x(), glass.top()),
                     QPointF(glass.center().x(), glass.bottom()));
    painter.restore();

    QPainterPath shade;
    shade.addRect(QRectF(window.left(), window.top(), window.width(), 24));
    sketch::Hatch(painter, shade, 5);
    AwningFront(painter, QRectF(64, 30, 94, 12), 0, 6, 5);

    // Parallel sunbeams leaving the sun: the first lands on the edge of the shadow.
    const QPointF sun(30, 32.5);
    const QPointF along(0.887, 0.461);
    const QPointF across(-along.y(), along.x());
    painter.save();
    sketch::SetPen(painter, 1.6, sketch::kSun);
    for (const auto& [offset, length] : {std::pair{0.0, 48.8}, {18.0, 70.7}, {36.0, 58.8}}) {
        const QPointF start = sun + along * 28 + across * offset;
        const QPointF end = start + along * length;
        painter.drawLine(start, end - along * 6);
        sketch::Arrowhead(painter, end, start, 8, sketch::kSun);
    }
    painter.restore();
    sketch::Sun(painter, sun, 15, 10);
}

}  // namespace drawings
