#pragma once

#include <QWidget>
#include <array>

class QLineEdit;
class SectionView;
class ShadowView;

// The dimensions screen's small to-scale front view and section of the device as typed,
// redrawn on every change of a box, so that a typo shows before "Continue".
class DevicePreview : public QWidget {
  public:
    // The boxes of W', W, H, h, h' and L, in that order.
    explicit DevicePreview(std::array<QLineEdit*, 6> boxes);

  private:
    void Redraw();

    std::array<QLineEdit*, 6> boxes;
    ShadowView* picFrontView;
    SectionView* picSection;
};
