#pragma once

class QWidget;

// What a screen reader says for an entry box: the caption the screen shows for it. Each box,
// spin box or list without an accessible name of its own takes the caption beside it (in a grid
// the caption before it in its row and the one above it, in a row of widgets the caption before
// it), so that the words a sighted user reads are the words heard.
void NameEntriesByTheirCaptions(QWidget* screen);
