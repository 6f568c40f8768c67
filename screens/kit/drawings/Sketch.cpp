#include "screens/kit/drawings/Sketch.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace sketch {

void SetPen(QPainter& painter, qreal width, const QColor& colour) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QFont LabelFont(qreal size, bool bold) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, qRound(size)));
    font.setBold(bold);
    // Hinting snaps glyphs to the unscaled grid; the drawing is scaled afterwards.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QRectF Text(QPainter& painter, const QString& text, QPointF anchor, qreal size,
            Qt::Alignment alignment, bool boxed) {
    const QFont font = LabelFont(size);
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    const qreal height = metrics.ascent() + metrics.descent();
    qreal left = anchor.x() - width / 2;
    if (alignment & Qt::AlignLeft) {
        left = anchor.x();
    } else if (alignment & Qt::AlignRight) {
        left = anchor.x() - width;
    }
    const QRectF box(left, anchor.y() - height / 2, width, height);
    painter.save();
    if (boxed) {
        const qreal pad = size * 0.15;
        painter.setPen(Qt::NoPen);
        painter.setBrush(kPaper);
        painter.drawRoundedRect(box.adjusted(-pad, 0, pad, 0), pad, pad);
    }
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
    return box;
}

void Arrowhead(QPainter& painter, QPointF tip, QPointF from, qreal length, const QColor& colour) {
    const QLineF line(tip, from);
    if (line.length() <= 0) {
        return;
    }
    const QPointF along = (from - tip) / line.length();
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip + along * length;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF{tip, base + across * length * 0.3, base - across * length * 0.3});
    painter.restore();
}

void Dimension(QPainter& painter, QPointF a, QPointF b, const QString& text, QPointF textAt,
               qreal textSize, Qt::Alignment alignment) {
    const qreal arrow = textSize * 0.6;
    painter.save();
    SetPen(painter, textSize * 0.07);
    painter.drawLine(a, b);
    Arrowhead(painter, a, b, arrow);
    Arrowhead(painter, b, a, arrow);
    painter.restore();
    Text(painter, text, textAt, textSize, alignment);
}

void Extension(QPainter& painter, QPointF from, QPointF to) {
    painter.save();
    SetPen(painter, 0.8, kFaint);
    painter.drawLine(from, to);
    painter.restore();
}

void Pointer(QPainter& painter, const QString& text, QPointF textAt, QPointF target, qreal textSize,
             Qt::Alignment alignment) {
    const QRectF box = Text(painter, text, textAt, textSize, alignment, false);
    // The pointer leaves the text at the side that faces its target.
    QPointF start = box.center();
    if (target.x() < box.left()) {
        start.setX(box.left() - textSize * 0.2);
    } else if (target.x() > box.right()) {
        start.setX(box.right() + textSize * 0.2);
    } else {
        start = QPointF(target.x(), target.y() < box.top() ? box.top() : box.bottom());
    }
    painter.save();
    SetPen(painter, textSize * 0.07);
    painter.drawLine(start, target);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(target, textSize * 0.16, textSize * 0.16);
    painter.restore();
}

void Sun(QPainter& painter, QPointF centre, qreal radius, int rays) {
    painter.save();
    SetPen(painter, radius * 0.14, kSun);
    for (int i = 0; i < rays; ++i) {
        const qreal angle = 2 * M_PI * (i + 0.5) / rays;
        const QPointF direction(qCos(angle), qSin(angle));
        painter.drawLine(centre + direction * radius * 1.3, centre + direction * radius * 1.75);
    }
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0, kSunCore);
    glow.setColorAt(1, kSun);
    painter.setBrush(glow);
    SetPen(painter, radius * 0.06, kSun.darker(115));
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void Hatch(QPainter& painter, const QPainterPath& area, qreal spacing) {
    if (area.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    QColor tone = kShadow;
    tone.setAlpha(70);
    painter.fillPath(area, tone);
    SetPen(painter, spacing * 0.16, kShadow);
    const QRectF bounds = area.boundingRect();
    // Lines at 45 degrees, placed on a fixed grid so neighbouring shadows hatch alike.
    const qreal first = std::floor((bounds.left() - bounds.bottom()) / spacing) * spacing;
    for (qreal c = first; c <= bounds.right() - bounds.top(); c += spacing) {
        painter.drawLine(QPointF(c + bounds.top(), bounds.top()),
                         QPointF(c + bounds.bottom(), bounds.bottom()));
    }
    painter.restore();
}

}  // namespace sketch
