#include "screens/kit/PictureFile.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>
#include <algorithm>

#include "platform/Host.h"
#include "screens/kit/ScreenParts.h"

namespace {

constexpr int CaptionMargin = 6;

// The widget's size with its caption under it, as wide as the widest line.
QSize CaptionedSize(const QWidget* widget, const QStringList& caption) {
    const QFontMetrics metrics = widget->fontMetrics();
    int width = widget->width();
    for (const QString& line : caption)
        width = std::max(width, metrics.horizontalAdvance(line) + 2 * CaptionMargin);
    const int captionHeight =
        caption.isEmpty()
            ? 0
            : 2 * CaptionMargin + static_cast<int>(caption.size()) * metrics.lineSpacing();
    return {width, widget->height() + captionHeight};
}

// The widget at the top, the caption's lines under it.
void Paint(QPainter& painter, QWidget* widget, const QStringList& caption) {
    widget->render(&painter);
    painter.setFont(widget->font());
    painter.setPen(Qt::black);
    const QFontMetrics metrics = widget->fontMetrics();
    int baseline = widget->height() + CaptionMargin + metrics.ascent();
    for (const QString& line : caption) {
        painter.drawText(CaptionMargin, baseline, line);
        baseline += metrics.lineSpacing();
    }
}

}  // namespace

QImage CaptionedPicture(QWidget* widget, const QStringList& caption) {
    const qreal scale = widget->devicePixelRatioF();
    const QSize size = CaptionedSize(widget, caption);
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    Paint(painter, widget, caption);
    painter.end();
    return image;
}

bool SaveWidgetPicture(QWidget* widget, const QString& path, const QString& title,
                       const QStringList& caption) {
    if (!path.endsWith(".svg", Qt::CaseInsensitive))
        return CaptionedPicture(widget, caption).save(path, "PNG");
    const QSize size = CaptionedSize(widget, caption);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    svg.setDescription(caption.join('\n'));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    Paint(painter, widget, caption);
    return painter.end();
}

void AskAndSaveWidgetPicture(QWidget* widget, const QString& suggestedPath, const QString& title,
                             const QStringList& caption) {
    const auto path = ChooseFile(
        {true, "Save picture", FromQt(suggestedPath), "PNG picture (*.png);;SVG picture (*.svg)"});
    if (!path)
        return;
    if (!SaveWidgetPicture(widget, ToQt(*path), title, caption)) {
        ShowMessage(*path + " cannot be written");
        return;
    }
    ShowStatus(widget->window(), ToQt("Picture saved as " + *path + "."));
}
