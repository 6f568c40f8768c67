#include "screens/kit/ShadowView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <span>

#include "base/NumberText.h"
#include "model/DevicePlates.h"
#include "screens/kit/ScreenParts.h"

namespace {

const QColor Wall(236, 230, 218);
const QColor Glass(207, 228, 246);
const QColor Frame(60, 64, 72);
// The device stands in front of the window: see-through, so that the shadow shows behind it.
const QColor Device(120, 126, 138, 110);
const QColor Shade(28, 34, 52, 150);

}  // namespace

ShadowView::ShadowView() {
    setObjectName("picShadow");
    setAccessibleName("Shadow on the window");
    setAccessibleDescription(
        "The window and the device seen from outside, to scale, with the shadow the device casts "
        "on the window for the sun position");
    setMinimumSize(220, 200);
}

QSize ShadowView::sizeHint() const {
    return {300, 260};
}

void ShadowView::Show(const DeviceShape& d, const ShadowOnWindow& s) {
    device = d;
    shadow = s;
    update();
}

void ShadowView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Wall);

    const DeviceShape& d = device;
    const bool mirrored = d.layout == DeviceLayout::Mirrored;
    const auto [finSide, otherSide] = PlateEndsOf(d);
    const double back = d.Lh + d.LhP;
    const double left = std::min({0.0, finSide, otherSide});
    const double right = std::max({d.W, finSide, otherSide});
    const double top = std::max({d.H, back, d.Lh});
    const double bottom = std::min({0.0, back, d.Lh});
    const double width = right - left, height = top - bottom;
    if (!(width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height)))
        return;

    // One scale both ways, the drawing centred, a margin all round and room for the fins'
    // reach below.
    const double margin = 16;
    const double scale = std::min((this->width() - 2 * margin) / width,
                                  (this->height() - 2 * margin) / (height * 1.12));
    const double offsetX = (this->width() - scale * width) / 2;
    const double offsetY = (this->height() - scale * height * 1.12) / 2;
    const auto at = [&](double x, double y) {
        return QPointF(offsetX + (x - left) * scale, offsetY + (top - y) * scale);
    };

    p.setPen(QPen(Frame, 1.5));
    p.setBrush(Glass);
    p.drawRect(QRectF(at(0, d.H), at(d.W, 0)));

    // The pieces may overlap; filled as one path, an overlap is no darker than a single piece.
    QPainterPath shaded;
    shaded.setFillRule(Qt::WindingFill);
    for (const auto& polygon : shadow.shadow) {
        QPolygonF outline;
        for (const WallPoint& c : polygon)
            outline << at(c.x, c.y);
        QPainterPath piece;
        piece.addPolygon(outline);
        piece.closeSubpath();
        shaded = shaded.united(piece);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Shade);
    p.drawPath(shaded);

    p.setPen(QPen(Frame, 1.5));
    p.setBrush(Device);
    if (d.geometry != Geometry::Fins) {
        const QRectF plate(at(std::min(otherSide, finSide), std::max(back, d.Lh)),
                           at(std::max(otherSide, finSide), std::min(back, d.Lh)));
        p.drawRect(plate.height() < 3 ? plate.adjusted(0, -1.5, 0, 1.5) : plate);
    }
    if (d.geometry != Geometry::Awning) {
        const double reach = bottom - 0.12 * height;
        const double fins[] = {finSide, otherSide};
        for (double x : std::span(fins).first(mirrored ? 2 : 1)) {
            p.setPen(QPen(Frame, 4, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(at(x, std::max(back, d.Lh)), at(x, bottom));
            p.setPen(QPen(Frame, 2, Qt::DashLine, Qt::FlatCap));
            p.drawLine(at(x, bottom), at(x, reach));
        }
    }
}

ExactBeamPanel::ExactBeamPanel()
    : picShadow(new ShadowView),
      lblExactUSF(NewLabel("lblExactUSF", "", LabelKind::Title)),
      lblExactNote(NewLabel("lblExactNote", "", LabelKind::Paragraph)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(picShadow);
    auto* column = new QVBoxLayout;
    column->addWidget(lblExactUSF);
    column->addWidget(lblExactNote);
    column->addStretch();
    row->addLayout(column, 1);
}

void ExactBeamPanel::Show(const ShadingCase& c, double analyticUSF, const ExactBeam& exact) {
    const DeviceShape device = DeviceShapeOf(c);
    if (exact.noSun) {
        picShadow->Show(device, {1, {}});
        lblExactUSF->setText(ToQt(std::string(*exact.noSun) + "."));
        lblExactNote->setText("");
        return;
    }
    picShadow->Show(device, {*exact.usf, exact.shadow});
    lblExactUSF->setText(
        ToQt("Exact USF (drawn shadow) = " + PatternText(*exact.usf, "0.#########")));
    lblExactNote->setText(ExactDiffers(exact, analyticUSF)
                              ? "Use this fraction: the simplified model below does not hold for "
                                "this device and direction, and the drawn shadow is the device's "
                                "own."
                              : "");
}
