#include "screens/device/DevicePreview.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/ShadowView.h"
#include "screens/kit/mduUmbravel.h"

// The device cut through across the wall: the wall with the window opening at the left, the
// plate from its back edge on the wall to its front edge, the fin below it.
class SectionView : public QWidget {
  public:
    SectionView() {
        setObjectName("picSection");
        setAccessibleName("Section of the device");
        setAccessibleDescription(
            "The device as typed, cut through across the wall, to scale: the wall, the window "
            "opening, the plate from the wall to its front edge and the fin below it");
        setMinimumSize(140, 150);
    }
    void Show(const DeviceShape& d) {
        device = d;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), QColor(246, 244, 238));
        const DeviceShape& d = device;
        const double back = d.Lh + d.LhP;
        const double top = std::max({d.H, back, d.Lh}), bottom = std::min({0.0, back, d.Lh});
        const double depth = std::max(d.L, 0.0), height = top - bottom;
        const double wall = 0.12 * std::max(depth, height);
        const double width = depth + wall;
        if (!(width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height)))
            return;
        const double margin = 10;
        const double scale = std::min((this->width() - 2 * margin) / (width * 1.1),
                                      (this->height() - 2 * margin) / (height * 1.15));
        const double offsetX = (this->width() - scale * width * 1.1) / 2;
        const double offsetY = (this->height() - scale * height * 1.15) / 2;
        const auto at = [&](double z, double y) {
            return QPointF(offsetX + (z + wall) * scale, offsetY + (top - y) * scale);
        };
        const double below = bottom - 0.15 * height;

        p.setPen(Qt::NoPen);
        p.setBrush(QColor(196, 186, 168));
        p.drawRect(QRectF(at(-wall, top + 0.05 * height), at(0, below)));
        p.setBrush(QColor(207, 228, 246));
        p.drawRect(QRectF(at(-wall, d.H), at(0, 0)));

        if (d.geometry != Geometry::Awning) {
            p.setBrush(QColor(120, 126, 138, 90));
            p.drawPolygon(QPolygonF{at(0, back), at(d.L, d.Lh), at(d.L, bottom), at(0, bottom)});
            p.setPen(QPen(QColor(60, 64, 72), 1.5, Qt::DashLine));
            p.drawLine(at(d.L, bottom), at(d.L, below));
        }
        p.setPen(QPen(QColor(60, 64, 72), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at(0, back), at(d.L, d.Lh));
    }

  private:
    DeviceShape device;
};

DevicePreview::DevicePreview(std::array<QLineEdit*, 6> entries)
    : boxes(entries), picFrontView(new ShadowView), picSection(new SectionView) {
    picFrontView->setObjectName("picFrontView");
    picFrontView->setAccessibleName("Front view of the device");
    picFrontView->setAccessibleDescription(
        "The window and the device as typed, seen from outside, to scale");
    picFrontView->setMinimumSize(160, 150);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(picFrontView, 3);
    row->addWidget(picSection, 2);
    for (QLineEdit* box : boxes)
        connect(box, &QLineEdit::textChanged, this, [this] { Redraw(); });
    Redraw();
}

void DevicePreview::Redraw() {
    std::array<double, 6> v{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        v[i] = ReadNumber(FromQt(boxes[i]->text()));
    const DeviceShape d{mduUmbravel::GeomMode, v[1], v[2], v[0], v[3], v[4], v[5]};
    picFrontView->Show(d, {1, {}});
    picSection->Show(d);
}
