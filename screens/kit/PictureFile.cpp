#include "screens/kit/PictureFile.h"

#include <QFileDialog>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

#include "platform/Host.h"
#include "screens/kit/ScreenParts.h"

bool SaveWidgetPicture(QWidget* widget, const QString& path, const QString& title) {
    if (!path.endsWith(".svg", Qt::CaseInsensitive))
        return widget->grab().save(path, "PNG");
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(widget->size());
    svg.setViewBox(widget->rect());
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    widget->render(&painter);
    return painter.end();
}

void AskAndSaveWidgetPicture(QWidget* widget, const QString& suggestedPath, const QString& title) {
    const QString path =
        QFileDialog::getSaveFileName(widget->window(), "Save picture", suggestedPath,
                                     "PNG picture (*.png);;SVG picture (*.svg)");
    if (!path.isEmpty() && !SaveWidgetPicture(widget, path, title))
        ShowMessage(FromQt(path) + " cannot be written");
}
