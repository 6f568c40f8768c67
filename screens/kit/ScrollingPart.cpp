#include "screens/kit/ScrollingPart.h"

#include <QLayout>
#include <QScrollBar>
#include <algorithm>

ScrollingPart::ScrollingPart(const char* name, QWidget* content, int least) : least_(least) {
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(content);
}

// The window is not shown yet: its layout is told of the change as well as the part's size.
void ScrollingPart::FitWindow() {
    highest_ = QWIDGETSIZE_MAX;
    updateGeometry();
    window()->layout()->invalidate();
    const int rest = window()->sizeHint().height() - sizeHint().height();
    highest_ = std::max(least_, LaptopClientHeight - rest);
    updateGeometry();
    window()->layout()->invalidate();
}

// Room for the vertical scroll bar is kept, so that its coming never hides content.
QSize ScrollingPart::sizeHint() const {
    QSize size = widget()->sizeHint();
    if (widget()->hasHeightForWidth())
        size.setHeight(widget()->heightForWidth(size.width()));
    return {size.width() + verticalScrollBar()->sizeHint().width(),
            std::min(size.height(), highest_)};
}

QSize ScrollingPart::minimumSizeHint() const {
    return {widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width(),
            std::min(widget()->minimumSizeHint().height(), least_)};
}
