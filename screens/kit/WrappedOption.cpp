#include "screens/kit/WrappedOption.h"

#include <QKeySequence>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace {

constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// Wide enough to keep a long caption to a few lines, narrow enough for a small screen.
constexpr int kPreferredCaptionChars = 44;
constexpr int kMinimumCaptionChars = 24;

}  // namespace

WrappedOption::WrappedOption(const char* name, const QString& caption, QChar accessKey)
    : accessKey_(accessKey.toUpper()) {
    setObjectName(name);
    setText(caption);
    // setText took any '&' for an access key; the captions mean the character itself.
    setShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(accessKey_.unicode()))));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
}

QString WrappedOption::MarkedCaption() const {
    QString marked = text();
    marked.replace('&', "&&");
    const int at = marked.indexOf(accessKey_, 0, Qt::CaseInsensitive);
    if (at >= 0) {
        marked.insert(at, '&');
    }
    return marked;
}

int WrappedOption::CaptionFlags() const {
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this) != 0;
    return kCaptionFlags | (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
}

int WrappedOption::IndicatorWidth() const {
    return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
}

QRect WrappedOption::CaptionRect(int width) const {
    const int captionWidth = std::max(1, width - IndicatorWidth());
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, captionWidth, 1 << 20),
                                                    CaptionFlags(), MarkedCaption());
    return {IndicatorWidth(), 0, captionWidth, bounds.height()};
}

QSize WrappedOption::sizeHint() const {
    const int width = IndicatorWidth() + fontMetrics().averageCharWidth() * kPreferredCaptionChars;
    return {width, heightForWidth(width)};
}

QSize WrappedOption::minimumSizeHint() const {
    const int width = IndicatorWidth() + fontMetrics().averageCharWidth() * kMinimumCaptionChars;
    return {width, heightForWidth(width)};
}

int WrappedOption::heightForWidth(int width) const {
    const int indicatorHeight =
        style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    return std::max(indicatorHeight, CaptionRect(width).height());
}

void WrappedOption::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatorSide =
        style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    // The indicator stands beside the first line of the caption.
    const int firstLine = fontMetrics().height();
    option.rect = QRect(0, std::max(0, (firstLine - indicatorSide) / 2),
                        style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this),
                        indicatorSide);
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter, this);

    const QRect caption = CaptionRect(width());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, CaptionFlags(), MarkedCaption());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = caption.adjusted(-1, 0, 1, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool WrappedOption::hitButton(const QPoint& position) const {
    return rect().contains(position);
}
