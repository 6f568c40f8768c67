#include "screens/kit/ControlWords.h"

#include <QWidget>

void SayControls(QWidget* screen, std::span<const ControlWords> words) {
    for (const ControlWords& c : words) {
        auto* control = screen->findChild<QWidget*>(c.control);
        if (control == nullptr)
            continue;
        if (c.name != nullptr)
            control->setAccessibleName(c.name);
        control->setAccessibleDescription(c.description);
    }
}
