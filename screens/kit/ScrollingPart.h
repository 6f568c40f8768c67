#pragma once

#include <QScrollArea>

// The long part of a screen: it asks for its content's whole size up to a height that leaves
// the screen's entries and buttons on a small display, and scrolls below that.
class ScrollingPart : public QScrollArea {
  public:
    // highest: the most height it asks for; least: the least it can be given.
    ScrollingPart(const char* name, QWidget* content, int highest, int least);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  private:
    int highest_, least_;
};
