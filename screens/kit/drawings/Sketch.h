#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;
class QPainterPath;

// Colours, pens and annotation marks shared by every drawing. The colours are fixed, not taken
// from the palette, so the pictures look the same under any desktop theme.
namespace sketch {

inline const QColor kPaper{255, 255, 255};
inline const QColor kInk{34, 40, 49};
inline const QColor kFaint{128, 134, 142};  // extension lines and hidden edges
inline const QColor kSun{244, 158, 28};
inline const QColor kSunCore{255, 212, 84};
inline const QColor kGlass{200, 228, 247};
inline const QColor kFrame{250, 250, 248};
inline const QColor kWall{240, 236, 228};
inline const QColor kCanvas{236, 226, 200};  // awning fabric and fins
inline const QColor kStripe{206, 104, 64};   // stripes of the awning fabric
inline const QColor kShadow{88, 96, 106};

// A solid pen with round ends, so joined strokes meet cleanly at any scale.
void SetPen(QPainter& painter, qreal width, const QColor& colour = kInk);

// A sans-serif font of the given size in the drawing's own units; it scales with the drawing.
QFont LabelFont(qreal size, bool bold = false);

// Draws text with its anchor point placed by the alignment (left, right or centre of the
// text, vertically centred); a white box behind it keeps it readable over lines and fills.
QRectF Text(QPainter& painter, const QString& text, QPointF anchor, qreal size,
            Qt::Alignment alignment = Qt::AlignHCenter, bool boxed = true);

// A filled arrowhead whose point is at tip, pointing away from from.
void Arrowhead(QPainter& painter, QPointF tip, QPointF from, qreal length,
               const QColor& colour = kInk);

// A dimension: the line from a to b with an arrowhead at each end, and its text.
void Dimension(QPainter& painter, QPointF a, QPointF b, const QString& text, QPointF textAt,
               qreal textSize, Qt::Alignment alignment = Qt::AlignHCenter);

// A thin line carrying a measured point out to its dimension line.
void Extension(QPainter& painter, QPointF from, QPointF to);

// A pointer from a text to a part of the drawing, ending in a dot on the part.
void Pointer(QPainter& painter, const QString& text, QPointF textAt, QPointF target, qreal textSize,
             Qt::Alignment alignment);

// The sun: a glowing disc with rays around it.
void Sun(QPainter& painter, QPointF centre, qreal radius, int rays);

// Shadow: a light grey tone crossed by diagonal hatching, spacing apart.
void Hatch(QPainter& painter, const QPainterPath& area, qreal spacing);

}  // namespace sketch
