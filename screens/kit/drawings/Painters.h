#pragma once

#include <QSizeF>

class QPainter;

// Each drawing paints itself in its own frame, from (0, 0) to its size, in units that are
// one device pixel at the drawing's default size; the caller scales the frame to the target.
namespace drawings {

inline constexpr QSizeF kLogoSize{140, 140};
void PaintLogo(QPainter& painter);

inline constexpr QSizeF kSplashSize{320, 240};
void PaintSplash(QPainter& painter);

inline constexpr QSizeF kUsingSize{180, 130};
void PaintUsing(QPainter& painter);

inline constexpr QSizeF kChoiceSize{160, 130};
void PaintFlatOverhang(QPainter& painter);
void PaintAwningWithSideWalls(QPainter& painter);
void PaintAwningFrame(QPainter& painter);
void PaintSideFins(QPainter& painter);

inline constexpr QSizeF kDimensionedSize{440, 390};
void PaintDimensionedAwning(QPainter& painter);

inline constexpr QSizeF kDeltaWSize{150, 100};
void PaintDeltaW(QPainter& painter);

}  // namespace drawings
