#include "screens/kit/ScrollingPart.h"

#include <QScrollBar>
#include <algorithm>

ScrollingPart::ScrollingPart(const char* name, QWidget* content, int highest, int least)
    : highest_(highest), least_(least) {
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(content);
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
