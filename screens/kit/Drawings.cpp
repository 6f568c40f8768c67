#include "screens/kit/Drawings.h"

#include <QPainter>

#include <algorithm>

#include "screens/kit/drawings/Painters.h"
#include "screens/kit/drawings/Sketch.h"

namespace {

struct Artwork {
    QSizeF size;
    void (*paint)(QPainter&);
};

Artwork ArtworkOf(Drawing drawing) {
    switch (drawing) {
        case Drawing::Logo:
            return {drawings::kLogoSize, drawings::PaintLogo};
        case Drawing::SplashPicture:
            return {drawings::kSplashSize, drawings::PaintSplash};
        case Drawing::UsingPicture:
            return {drawings::kUsingSize, drawings::PaintUsing};
        case Drawing::FlatOverhang:
            return {drawings::kChoiceSize, drawings::PaintFlatOverhang};
        case Drawing::AwningWithSideWalls:
            return {drawings::kChoiceSize, drawings::PaintAwningWithSideWalls};
        case Drawing::AwningFrame:
            return {drawings::kChoiceSize, drawings::PaintAwningFrame};
        case Drawing::SideFins:
            return {drawings::kChoiceSize, drawings::PaintSideFins};
        case Drawing::DimensionedAwning:
            return {drawings::kDimensionedSize, drawings::PaintDimensionedAwning};
        case Drawing::DeltaW:
            return {drawings::kDeltaWSize, drawings::PaintDeltaW};
    }
    return {drawings::kLogoSize, drawings::PaintLogo};
}

}  // namespace

DrawingView::DrawingView(Drawing drawing, QWidget* parent) : QWidget(parent), drawing_(drawing) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

Drawing DrawingView::drawing() const {
    return drawing_;
}

QSize DrawingView::sizeHint() const {
    return ArtworkOf(drawing_).size.toSize();
}

QSize DrawingView::minimumSizeHint() const {
    return sizeHint() / 2;
}

bool DrawingView::hasHeightForWidth() const {
    return true;
}

int DrawingView::heightForWidth(int width) const {
    const QSizeF size = ArtworkOf(drawing_).size;
    return qRound(width * size.height() / size.width());
}

void DrawingView::paint(Drawing drawing, QPainter& painter, const QRectF& target) {
    const Artwork artwork = ArtworkOf(drawing);
    painter.save();
    painter.fillRect(target, sketch::kPaper);
    const qreal scale =
        std::min(target.width() / artwork.size.width(), target.height() / artwork.size.height());
    if (scale > 0) {
        painter.setClipRect(target, Qt::IntersectClip);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.translate(target.center());
        painter.scale(scale, scale);
        painter.translate(-artwork.size.width() / 2, -artwork.size.height() / 2);
        artwork.paint(painter);
    }
    painter.restore();
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(drawing_, painter, rect());
}
