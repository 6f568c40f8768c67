#pragma once

#include <span>

class QWidget;

// What a screen reader says of a control: its name, then what it does or holds. A null name
// leaves the name the control has, such as a button's caption.
struct ControlWords {
    const char* control;
    const char* name;
    const char* description;
};

// Gives each control of the screen, found by its object name, its words. A control the screen
// leaves out, such as a dimension the chosen device has not, is passed over.
void SayControls(QWidget* screen, std::span<const ControlWords> words);
