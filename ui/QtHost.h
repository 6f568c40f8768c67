#pragma once

// Routes the program's messages to OK-only message boxes titled "Umbravel", and the end of the
// program to closing every screen and leaving the event loop.
void InstallQtHost();
