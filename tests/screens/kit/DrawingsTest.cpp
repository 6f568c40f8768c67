#include "screens/kit/Drawings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <string>

namespace {

const QColor kMarker(255, 0, 255);

// Widgets and text need an application; another test of the same program may have made it.
// It is never deleted, so it outlives every widget whatever the order of static teardown.
void EnsureApplication() {
    if (QApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "DrawingsTest";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

QImage Paint(Drawing drawing, QSize imageSize, const QRectF& target) {
    QImage image(imageSize, QImage::Format_ARGB32);
    image.fill(kMarker);
    QPainter painter(&image);
    DrawingView::paint(drawing, painter, target);
    painter.end();
    return image;
}

// Pixels inside the rectangle whose colour is not plain white, and those that are dark.
struct Ink {
    int coloured = 0;
    int dark = 0;
    QRect bounds;
};

Ink InkIn(const QImage& image, const QRect& area) {
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour == Qt::white) {
                continue;
            }
            ++ink.coloured;
            ink.bounds |= QRect(x, y, 1, 1);
            if (colour.lightness() < 100) {
                ++ink.dark;
            }
        }
    }
    return ink;
}

std::string DrawingName(const testing::TestParamInfo<Drawing>& info) {
    static const char* const names[] = {"Logo",         "SplashPicture",       "UsingPicture",
                                        "FlatOverhang", "AwningWithSideWalls", "AwningFrame",
                                        "SideFins",     "DimensionedAwning",   "DeltaW"};
    return names[static_cast<int>(info.param)];
}

class DrawingsTest : public testing::TestWithParam<Drawing> {
  protected:
    static void SetUpTestSuite() { EnsureApplication(); }
};

TEST_P(DrawingsTest, PaintsAtASmallAndALargeSize) {
    const DrawingView view(GetParam());
    for (const QSize size : {view.minimumSizeHint(), view.sizeHint() * 3}) {
        const QImage image = Paint(GetParam(), size, QRectF(QPointF(0, 0), size));
        const Ink ink = InkIn(image, image.rect());
        EXPECT_GT(ink.coloured, 0) << size.width() << "x" << size.height();
        if (size == view.sizeHint() * 3) {
            EXPECT_GT(ink.dark, 0) << "no dark strokes";
        }
    }
}

TEST_P(DrawingsTest, FillsItsTargetAndNothingElse) {
    const QRect target(40, 60, 200, 120);
    const QImage image = Paint(GetParam(), QSize(300, 300), target);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!target.contains(x, y)) {
                ASSERT_EQ(image.pixelColor(x, y), kMarker) << x << "," << y;
            } else {
                ASSERT_NE(image.pixelColor(x, y), kMarker) << x << "," << y;
            }
        }
    }
}

// In a target of another shape the drawing keeps its aspect and sits in the middle, so all
// its ink lies within the centred frame of that aspect, and reaches across it.
TEST_P(DrawingsTest, KeepsItsAspectCentredInAnyTarget) {
    const DrawingView view(GetParam());
    const QSizeF hint = view.sizeHint();
    for (const QSize target : {QSize(1200, 200), QSize(200, 1200)}) {
        const QSizeF frame = hint.scaled(target, Qt::KeepAspectRatio);
        const QRectF centred((target.width() - frame.width()) / 2,
                             (target.height() - frame.height()) / 2, frame.width(), frame.height());
        const QImage image = Paint(GetParam(), target, QRectF(QPointF(0, 0), target));
        const Ink ink = InkIn(image, image.rect());
        ASSERT_GT(ink.coloured, 0);
        EXPECT_TRUE(centred.adjusted(-1, -1, 1, 1).contains(QRectF(ink.bounds)))
            << "ink outside the centred frame at " << target.width() << "x" << target.height();
        EXPECT_GT(ink.bounds.width(), frame.width() / 2);
        EXPECT_GT(ink.bounds.height(), frame.height() / 2);
    }
}

TEST_P(DrawingsTest, SizeHintsKeepTheAspect) {
    const DrawingView view(GetParam());
    EXPECT_EQ(view.drawing(), GetParam());
    const QSize hint = view.sizeHint();
    ASSERT_GT(hint.width(), 0);
    ASSERT_GT(hint.height(), 0);
    const QSize minimum = view.minimumSizeHint();
    EXPECT_GT(minimum.width(), 0);
    EXPECT_GT(minimum.height(), 0);
    EXPECT_LE(minimum.width(), hint.width());
    EXPECT_LE(minimum.height(), hint.height());
    EXPECT_TRUE(view.hasHeightForWidth());
    EXPECT_TRUE(view.sizePolicy().hasHeightForWidth());
    for (int width : {50, 333, 1200}) {
        EXPECT_NEAR(view.heightForWidth(width), width * double(hint.height()) / hint.width(), 1)
            << width;
    }
}

TEST_P(DrawingsTest, WidgetShowsItsDrawing) {
    DrawingView view(GetParam());
    view.resize(view.sizeHint() * 2);
    const QImage image = view.grab().toImage();
    EXPECT_GT(InkIn(image, image.rect()).dark, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryDrawing, DrawingsTest,
                         testing::Values(Drawing::Logo, Drawing::SplashPicture,
                                         Drawing::UsingPicture, Drawing::FlatOverhang,
                                         Drawing::AwningWithSideWalls, Drawing::AwningFrame,
                                         Drawing::SideFins, Drawing::DimensionedAwning,
                                         Drawing::DeltaW),
                         DrawingName);

}  // namespace
