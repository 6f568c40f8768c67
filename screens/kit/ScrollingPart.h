#pragma once

#include <QScrollArea>

// The client height a screen may ask for: a 1366×768 display less a panel and a window frame.
inline constexpr int LaptopClientHeight = 700;

// The long part of a screen: it asks for its content's whole size up to the height that leaves
// the window, its entries and buttons included, on a small display, and scrolls below that.
class ScrollingPart : public QScrollArea {
  public:
    // least: the least height it can be given.
    ScrollingPart(const char* name, QWidget* content, int least);

    // Once the window holds every row, its menu bar included (the wizard calls it as it places
    // the screen): asks for no more height than leaves the window within LaptopClientHeight,
    // whatever the font makes of the other rows.
    void FitWindow();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  private:
    int highest_ = QWIDGETSIZE_MAX, least_;
};
