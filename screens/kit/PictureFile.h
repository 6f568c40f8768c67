#pragma once

#include <QString>

class QWidget;

// Pictures of a widget as files: SVG when the name ends in ".svg", PNG otherwise.

// False when the file cannot be written.
bool SaveWidgetPicture(QWidget* widget, const QString& path, const QString& title);

// Asks for the file, starting from the suggested one, saves the picture and tells the user when
// it cannot be written.
void AskAndSaveWidgetPicture(QWidget* widget, const QString& suggestedPath, const QString& title);
