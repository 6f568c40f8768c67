#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class QWidget;

// Pictures of a widget as files or on the clipboard, with a caption under the picture that says
// what it shows (device, dimensions, place, date), so that a picture pasted into a report still
// says so. Files are SVG when the name ends in ".svg", PNG otherwise.

// The widget as drawn, the caption's lines under it on white.
QImage CaptionedPicture(QWidget* widget, const QStringList& caption);

// False when the file cannot be written.
bool SaveWidgetPicture(QWidget* widget, const QString& path, const QString& title,
                       const QStringList& caption = {});

// Asks for the file, starting from the suggested one, saves the picture and says so in the
// widget's window's status line; tells the user when it cannot be written.
void AskAndSaveWidgetPicture(QWidget* widget, const QString& suggestedPath, const QString& title,
                             const QStringList& caption = {});
