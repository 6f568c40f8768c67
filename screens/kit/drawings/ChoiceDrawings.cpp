// The four shading devices offered on the geometry choice screen, each over the same window
// and lit by the same sun from the upper right, so the drawings compare at a glance.
#include <QPainter>
#include <QPainterPath>

#include <utility>

#include "screens/kit/drawings/Painters.h"
#include "screens/kit/drawings/Scene.h"
#include "screens/kit/drawings/Sketch.h"

namespace drawings {

namespace {

using scene::Point3;

constexpr qreal kWidth = 2.0;
constexpr qreal kHeight = 2.4;
constexpr Point3 kRay{-0.55, -1, -0.8};

scene::Oblique View() {
    return scene::Oblique({42, 106}, 30, {0.5, 0.28});
}

qreal Line(const scene::Oblique& view) {
    return view.unit() * 0.05;
}

// Wall and window, then the shadow the device's plates cast on them. Returns the wall's area.
QPainterPath Setting(QPainter& painter, const scene::Oblique& view,
                     std::initializer_list<std::initializer_list<Point3>> plates) {
    const QPainterPath wall = scene::Wall(painter, view, -0.8, 3.3, -0.45, 3.2);
    scene::Window(painter, view, 0, kWidth, kHeight);
    QPainterPath shadow;
    for (const auto& plate : plates) {
        shadow |= scene::ShadowOnWall(view, plate, kRay);
    }
    sketch::Hatch(painter, shadow & wall, 4);
    return wall;
}

}  // namespace

void PaintFlatOverhang(QPainter& painter) {
    const scene::Oblique view = View();
    const qreal left = -0.35;
    const qreal right = kWidth + 0.35;
    const qreal top = 2.8;
    const qreal slab = 0.12;
    const qreal depth = 1.3;
    Setting(painter, view,
            {{{left, 0, top}, {right, 0, top}, {right, depth, top}, {left, depth, top}}});
    scene::Face(painter,
                view({{left, depth, top - slab},
                      {right, depth, top - slab},
                      {right, depth, top},
                      {left, depth, top}}),
                sketch::kCanvas.darker(110), Line(view));
    scene::Face(painter,
                view({{left, 0, top}, {right, 0, top}, {right, depth, top}, {left, depth, top}}),
                sketch::kCanvas, Line(view));
}

void PaintAwningWithSideWalls(QPainter& painter) {
    const scene::Oblique view = View();
    const qreal left = -0.25;
    const qreal right = kWidth + 0.25;
    const qreal back = 3.0;
    const qreal front = 2.35;
    const qreal depth = 1.2;
    Setting(painter, view,
            {{{left, 0, back}, {right, 0, back}, {right, depth, front}, {left, depth, front}},
             {{left, 0, back}, {left, depth, front}, {left, 0, front}},
             {{right, 0, back}, {right, depth, front}, {right, 0, front}}});
    for (qreal x : {right, left}) {
        scene::Face(painter, view({{x, 0, back}, {x, depth, front}, {x, 0, front}}),
                    sketch::kCanvas, Line(view));
    }
    scene::Fabric(painter, view, left, right, back, front, depth, 7);
    scene::Valance(painter, view, left, right, front, depth, 0.2, 7);
}

void PaintAwningFrame(QPainter& painter) {
    const scene::Oblique view = View();
    const qreal left = -0.25;
    const qreal right = kWidth + 0.25;
    const qreal back = 3.0;
    const qreal front = 2.35;
    const qreal depth = 1.2;
    const QPainterPath wall = Setting(painter, view,
                                      {{{right, 0, back}, {right, depth, front}, {right, 0, front}},
                                       {{left, 0, back}, {left, depth, front}, {left, 0, front}}});
    QColor fabric = sketch::kCanvas;
    fabric.setAlpha(225);
    for (qreal x : {right, left}) {
        scene::Face(painter, view({{x, 0, back}, {x, depth, front}, {x, 0, front}}), fabric,
                    Line(view));
    }
    // Tubes: rails along the wall and the front, rafters from back to front; each casts a
    // thin shadow before it is drawn.
    const std::pair<Point3, Point3> tubes[] = {
        {{left, 0, back}, {right, 0, back}},
        {{left, depth, front}, {right, depth, front}},
        {{left, 0, back}, {left, depth, front}},
        {{kWidth / 2, 0, back}, {kWidth / 2, depth, front}},
        {{right, 0, back}, {right, depth, front}},
    };
    painter.save();
    painter.setClipPath(wall, Qt::IntersectClip);
    QColor shade = sketch::kShadow;
    shade.setAlpha(150);
    sketch::SetPen(painter, view.unit() * 0.08, shade);
    for (const auto& [from, to] : tubes) {
        painter.drawLine(view(scene::CastOnWall(from, kRay)), view(scene::CastOnWall(to, kRay)));
    }
    painter.restore();
    painter.save();
    sketch::SetPen(painter, view.unit() * 0.11, sketch::kInk);
    for (const auto& [from, to] : tubes) {
        painter.drawLine(view(from), view(to));
    }
    painter.restore();
}

void PaintSideFins(QPainter& painter) {
    const scene::Oblique view = View();
    const qreal top = 2.75;
    const qreal bottom = -0.3;
    const qreal depth = 1.0;
    const qreal left = -0.2;
    const qreal right = kWidth + 0.2;
    Setting(painter, view,
            {{{left, 0, bottom}, {left, 0, top}, {left, depth, top}, {left, depth, bottom}},
             {{right, 0, bottom}, {right, 0, top}, {right, depth, top}, {right, depth, bottom}}});
    for (qreal x : {left, right}) {
        scene::Face(painter,
                    view({{x, 0, bottom}, {x, 0, top}, {x, depth, top}, {x, depth, bottom}}),
                    sketch::kCanvas, Line(view));
    }
}

}  // namespace drawings
