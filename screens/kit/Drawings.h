#pragma once

#include <QWidget>

class QPainter;

// The pictures of the screens, drawn as vector art so they stay sharp at any size and DPI.
enum class Drawing {
    Logo,                 // the maker's mark: a sun rising over an awning
    SplashPicture,        // a window with an awning and side fins in the sun, shadow on the window
    UsingPicture,         // a small sun-and-window vignette
    FlatOverhang,         // a flat overhang over a window
    AwningWithSideWalls,  // a sloped awning with side walls over a window
    AwningFrame,          // an awning frame with side walls
    SideFins,             // a pair of vertical side fins beside a window
    DimensionedAwning,    // window, sloped awning and side fin with every dimension of the record
    DeltaW                // plan view of the awning width against the window width
};

// Shows one drawing, scaled to the widget with its aspect ratio kept.
class DrawingView : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingView(Drawing drawing, QWidget* parent = nullptr);

    Drawing drawing() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

    // Paints the drawing into any painter and rectangle: white background over the whole
    // rectangle, the drawing centred in it at the largest scale that keeps its aspect.
    static void paint(Drawing drawing, QPainter& painter, const QRectF& target);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Drawing drawing_;
};
