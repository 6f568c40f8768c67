#pragma once

#include <QApplication>
#include <QWidget>

// How one screen hands over to the next. A screen that is not open is created and opened (its
// opening runs first, so that it reads what the current screen has stored), then placed where
// the screen it follows stands, at a size that shows all of it, shown and brought to the front;
// a screen that is already open is only brought to the front.
//
// Screens name the screen they hand over to by its step; only the navigator that defines these
// (wizard/Wizard.cpp) knows their classes, so that screens never include the wizard.

namespace Wizard {

enum class Step {
    Start,
    Using,
    About,
    OutputFiles,
    GeomChoice,
    GeomValues,
    HeaderText,
    SourceMode,
    BeamResults,
    DiffuseResults,
    MatrixResults,
    Saved,
};

// Opens the step's screen, or brings it to the front when it is open; a screen opened here
// takes the place of the given one.
void Show(Step target, const QWidget* placeOf = nullptr);

// Shows the target in the owner's place, then closes the owner: the target is on screen first,
// so the program never finds itself without a window in between.
void HandOver(QWidget* owner, Step target);

// Opens a fresh screen of the step in the owner's place and closes every other screen, so that
// all of them show the entries just put in place.
void Restart(QWidget* owner, Step target);

// Closes the step's screen when it is open.
void CloseIfOpen(Step target);

// The open screen of this kind, or nullptr.
template <class Screen>
Screen* OpenScreen() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* screen = qobject_cast<Screen*>(window);
            screen != nullptr && screen->isVisible()) {
            return screen;
        }
    }
    return nullptr;
}

void BringToFront(QWidget* screen);

// Gives a new screen the size that shows all of it, within the display, at the place of the
// other screen when there is one.
void Place(QWidget* screen, const QWidget* placeOf);

// Opens a new screen of the kind, whether or not one is open. Nullptr when its opening ended the
// program: such a screen is never shown.
template <class Screen>
Screen* OpenNew(const QWidget* placeOf) {
    auto* screen = new Screen;
    if (!screen->Open()) {
        delete screen;
        return nullptr;
    }
    Place(screen, placeOf);
    BringToFront(screen);
    return screen;
}

// Opens the screen, or brings it to the front when it is open. Nullptr when its opening ended
// the program.
template <class Screen>
Screen* Show(const QWidget* placeOf = nullptr) {
    if (Screen* open = OpenScreen<Screen>()) {
        BringToFront(open);
        return open;
    }
    return OpenNew<Screen>(placeOf);
}

template <class Target>
void HandOver(QWidget* owner) {
    if (Show<Target>(owner) != nullptr) {
        owner->close();
    }
}

template <class Screen>
void CloseIfOpen() {
    if (Screen* open = OpenScreen<Screen>()) {
        open->close();
    }
}

}  // namespace Wizard
