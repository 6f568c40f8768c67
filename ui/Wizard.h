#pragma once

#include <QApplication>
#include <QWidget>

// How one screen hands over to the next. A screen that is not open is created and opened (its
// opening runs first, so that it reads what the current screen has stored), then shown and
// brought to the front; a screen that is already open is only brought to the front.

namespace Wizard {

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

// Opens the screen, or brings it to the front when it is open. Nullptr when its opening ended
// the program: such a screen is never shown.
template <class Screen>
Screen* Show() {
    if (Screen* open = OpenScreen<Screen>()) {
        BringToFront(open);
        return open;
    }
    auto* screen = new Screen;
    if (!screen->Open()) {
        delete screen;
        return nullptr;
    }
    BringToFront(screen);
    return screen;
}

// Shows the target, then closes the owner: the target is on screen first, so the program never
// finds itself without a window in between.
template <class Target>
void HandOver(QWidget* owner) {
    if (Show<Target>() != nullptr) {
        owner->close();
    }
}

// Closes the screen of this kind when it is open.
template <class Screen>
void CloseIfOpen() {
    if (Screen* open = OpenScreen<Screen>()) {
        open->close();
    }
}

}  // namespace Wizard
