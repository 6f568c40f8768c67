#pragma once

#include <string>

class QWidget;

// Project files from every screen that holds a design: a File menu with New, Open…, the recent
// projects, Save and Save As… (Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S), and a question about
// unsaved changes before the design is replaced or the window closed.
void AddProjectMenu(QWidget* screen);

// Asks what to do with changes not saved in a project file; true when the user may go on (the
// design saved or the changes discarded), false to stay.
bool SettleUnsavedChanges();

// Reads the project into the entries; tells the user and returns false when it cannot be used.
bool OpenProjectFile(const std::string& path);
