#pragma once

// Routes the program's messages and questions to message boxes titled "Umbravel", the folder
// chooser to Qt's folder dialog, and the end of the program to closing every screen and leaving
// the event loop.
void InstallQtHost();
