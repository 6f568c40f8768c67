#pragma once

#include <QSize>

class QWidget;

// The room for a window's client area on the display it is on: the display less its panels and
// the window's title bar and frame (an allowance for them before it is shown).
QSize ClientRoom(const QWidget* window);

// On a display smaller than the screen's least size (a laptop at double scale), everything but
// the screen's closing rows of buttons goes into a scroll area, so that the buttons stay in view
// and the rest can be scrolled to. A screen that fits is left as it is.
void FitRoom(QWidget* screen, QSize room);

// Whether the screen was made to scroll whole.
bool ScrollsWhole(const QWidget* screen);

// Fits the screen to its display and gives it the size that shows all of it within the display.
void SizeForDisplay(QWidget* screen, const QWidget* placeOf);

// Opens a screen beside the one that made it: fitted, sized, its entries named, with that
// screen's help key, and shown.
void ShowBeside(QWidget* screen);
