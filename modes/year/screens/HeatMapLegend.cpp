#include "modes/year/screens/HeatMapLegend.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace {

const QColor Shaded(38, 58, 140);
const QColor Sunlit(255, 214, 74);

}  // namespace

QColor FractionColour(double fraction) {
    const double t = std::clamp(fraction, 0.0, 1.0);
    const auto mix = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
    return QColor(mix(Shaded.red(), Sunlit.red()), mix(Shaded.green(), Sunlit.green()),
                  mix(Shaded.blue(), Sunlit.blue()));
}

HeatMapLegend::HeatMapLegend() {
    setObjectName("picLegend");
    setAccessibleName("Colour scale of the heat map");
    setAccessibleDescription(
        "The beam unshaded fraction from dark blue at 0, shaded, to yellow at 1, in the sun");
    setMinimumHeight(2 * fontMetrics().height() + 10);
}

void HeatMapLegend::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int text = fontMetrics().height();
    const QRect bar(0, 0, width() - 1, height() - text - 4);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, FractionColour(0));
    gradient.setColorAt(1, FractionColour(1));
    p.fillRect(bar, gradient);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(bar);
    p.setPen(palette().color(QPalette::WindowText));
    const QRect labels(0, bar.bottom() + 2, width(), text + 2);
    p.drawText(labels, Qt::AlignLeft, "0: window in shadow");
    p.drawText(labels, Qt::AlignHCenter, "beam unshaded fraction");
    p.drawText(labels, Qt::AlignRight, "1: window in full sun");
}
