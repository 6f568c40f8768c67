// The dimensions screen's drawings: the window and device with every length the screen asks
// for, and a plan of how far the awning reaches past the window.
#include <QPainter>
#include <QPainterPath>

#include "screens/kit/drawings/Painters.h"
#include "screens/kit/drawings/Scene.h"
#include "screens/kit/drawings/Sketch.h"

namespace drawings {

namespace {

using scene::Point3;

// Proportions chosen so that no two dimensions coincide: the awning's back edge stands above
// the window top and its front edge below it.
constexpr qreal kW = 2.4;
constexpr qreal kDeltaW = 1.2;
constexpr qreal kH = 3.6;
constexpr qreal kh = 3.0;
constexpr qreal khPrime = 1.2;
constexpr qreal kL = 2.4;
constexpr qreal kFin = kW + kDeltaW;
constexpr qreal kBack = kh + khPrime;

constexpr qreal kText = 15;
constexpr qreal kPointerText = 13;
constexpr qreal kGap = 0.1;  // between a part and the start of its extension line

}  // namespace

void PaintDimensionedAwning(QPainter& painter) {
    const scene::Oblique view({96, 284}, 50, {0.6, 0.24});
    const qreal line = view.unit() * 0.045;

    scene::Wall(painter, view, -0.7, kFin + 0.9, -0.25, kBack + 0.45);
    scene::Window(painter, view, 0, kW, kH);
    const QColor side = sketch::kCanvas.darker(108);
    scene::Face(painter, view({{0, 0, kBack}, {0, kL, kh}, {0, 0, kh}}), side, line);
    scene::Face(painter, view({{kFin, 0, 0}, {kFin, 0, kBack}, {kFin, kL, kh}, {kFin, kL, 0}}),
                side, line);
    scene::Face(painter, view({{0, 0, kBack}, {kFin, 0, kBack}, {kFin, kL, kh}, {0, kL, kh}}),
                sketch::kCanvas, line);
    // Seams of the fabric run down the slope, from the back edge to the front edge.
    painter.save();
    sketch::SetPen(painter, line * 0.4, sketch::kFaint);
    for (int seam = 1; seam < 6; ++seam) {
        const qreal x = kFin * seam / 6;
        painter.drawLine(view({x, 0, kBack}), view({x, kL, kh}));
    }
    painter.restore();

    // Heights from the sill, on the wall at the left.
    const qreal hx = -0.45;
    const qreal backX = -1.1;
    sketch::Extension(painter, view({-kGap, 0, 0}), view({backX - 0.15, 0, 0}));
    sketch::Extension(painter, view({-kGap, 0, kH}), view({hx - 0.15, 0, kH}));
    sketch::Extension(painter, view({-kGap, 0, kBack}), view({backX - 0.15, 0, kBack}));
    sketch::Dimension(painter, view({hx, 0, 0}), view({hx, 0, kH}), QStringLiteral("H"),
                      view({hx, 0, kH * 0.45}), kText);
    sketch::Dimension(painter, view({backX, 0, 0}), view({backX, 0, kBack}),
                      QStringLiteral("h + h'"), view({backX, 0, kBack * 0.7}), kText);

    // Widths along the sill; the window width reads " W", as the screen's own width label does.
    const qreal wz = -0.5;
    for (qreal x : {0.0, kW, kFin}) {
        sketch::Extension(painter, view({x, 0, -kGap}), view({x, 0, wz - 0.15}));
    }
    sketch::Dimension(painter, view({0, 0, wz}), view({kW, 0, wz}), QStringLiteral(" W"),
                      view({kW / 2, 0, wz}), kText);
    sketch::Dimension(painter, view({kW, 0, wz}), view({kFin, 0, wz}), QStringLiteral("ΔW"),
                      view({kW + kDeltaW / 2, 0, wz}), kText);

    // Front heights beside the fin's front edge; the back edge's height is carried forward.
    const qreal fx = kFin + 0.45;
    sketch::Extension(painter, view({kFin + kGap, kL, 0}), view({fx + 0.15, kL, 0}));
    sketch::Extension(painter, view({kFin + kGap, kL, kh}), view({fx + 0.15, kL, kh}));
    painter.save();
    painter.setPen(QPen(sketch::kFaint, 0.8, Qt::DashLine));
    painter.drawPolyline(view({{kFin, 0, kBack}, {kFin, kL, kBack}, {fx + 0.15, kL, kBack}}));
    painter.restore();
    sketch::Dimension(painter, view({fx, kL, 0}), view({fx, kL, kh}), QStringLiteral("h"),
                      view({fx, kL, kh * 0.5}), kText);
    sketch::Dimension(painter, view({fx, kL, kh}), view({fx, kL, kBack}), QStringLiteral("h'"),
                      view({fx, kL, kh + khPrime / 2}), kText);

    // The projection, out from the wall above the fin.
    const qreal lz = kBack + 0.45;
    sketch::Extension(painter, view({kFin, 0, kBack + kGap}), view({kFin, 0, lz + 0.15}));
    sketch::Extension(painter, view({kFin, kL, kBack + kGap}), view({kFin, kL, lz + 0.15}));
    sketch::Dimension(painter, view({kFin, 0, lz}), view({kFin, kL, lz}), QStringLiteral("L"),
                      view({kFin, kL * 0.5, lz}), kText);

    sketch::Pointer(painter, QStringLiteral("side wall"), view({-1.6, 0, kBack + 0.6}),
                    view({0, kL * 0.3, kh + khPrime * 0.45}), kPointerText, Qt::AlignLeft);
    sketch::Pointer(painter, QStringLiteral("perpendicular to wall"),
                    view({kFin + 0.1, kL, lz + 1.0}), view({kFin, kL * 0.78, lz}), kPointerText,
                    Qt::AlignHCenter);
    sketch::Pointer(painter, QStringLiteral("side fin"), view({kFin + 0.15, kL, -0.75}),
                    view({kFin, kL * 0.6, 0.5}), kPointerText, Qt::AlignHCenter);
}

void PaintDeltaW(QPainter& painter) {
    const qreal left = 20;
    const qreal window = 80;  // the window's fin-side edge
    const qreal fin = 128;
    const qreal wallTop = 34;
    const qreal wallFace = 44;
    const qreal front = 70;
    const qreal text = 12;

    // The wall cut through in plan, hatched, with the window's glass in its opening.
    QPainterPath wall;
    wall.addRect(QRectF(6, wallTop, 138, wallFace - wallTop));
    QPainterPath opening;
    opening.addRect(QRectF(left, wallTop, window - left, wallFace - wallTop));
    sketch::Hatch(painter, wall - opening, 4);
    painter.save();
    sketch::SetPen(painter, 1.2);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wall - opening);
    painter.setBrush(sketch::kGlass);
    painter.drawRect(QRectF(left, wallTop + 3.5, window - left, 3));

    // The awning seen from above, with the fin at its end.
    painter.setBrush(sketch::kCanvas);
    painter.drawRect(QRectF(left, wallFace, fin - left, front - wallFace));
    painter.setPen(QPen(sketch::kFaint, 0.8, Qt::DashLine));
    painter.drawLine(QPointF(window, wallFace), QPointF(window, front));
    sketch::SetPen(painter, 3.2);
    painter.drawLine(QPointF(fin, wallFace), QPointF(fin, front));
    painter.restore();

    const qreal top = 18;
    const qreal bottom = 86;
    for (qreal x : {left, window, fin}) {
        sketch::Extension(painter, {x, wallTop - 2}, {x, top - 5});
    }
    for (qreal x : {left, fin}) {
        sketch::Extension(painter, {x, front + 2}, {x, bottom + 5});
    }
    sketch::Dimension(painter, {left, top}, {window, top}, QStringLiteral("W"),
                      {(left + window) / 2, top}, text);
    sketch::Dimension(painter, {window, top}, {fin, top}, QStringLiteral("ΔW"),
                      {(window + fin) / 2, top}, text);
    sketch::Dimension(painter, {left, bottom}, {fin, bottom}, QStringLiteral("W'"),
                      {(left + fin) / 2, bottom}, text);
}

}  // namespace drawings
