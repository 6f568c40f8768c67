#include <QImage>
#include <QWidget>

#include "support/WizardFixture.h"

namespace {

class DevicePreviewTest : public WizardFixture {};

// The front view and section follow every keystroke in the dimension boxes.
TEST_F(DevicePreviewTest, EveryChangeOfADimensionRedrawsBothViews) {
    WalkTo("frmGeomValues");
    const auto pictures = [] {
        return std::pair{Find<QWidget>("frmGeomValues", "picFrontView")->grab().toImage(),
                         Find<QWidget>("frmGeomValues", "picSection")->grab().toImage()};
    };
    const auto before = pictures();
    TypeOver("frmGeomValues", "txtLh", "-");
    Type("frmGeomValues", "txtLh", "5");
    const auto typo = pictures();
    EXPECT_NE(typo.first, before.first);
    EXPECT_NE(typo.second, before.second);
    TypeOver("frmGeomValues", "txtLh", "3");
    EXPECT_EQ(pictures(), before);
}

}  // namespace
