#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "screens/kit/Drawings.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The controls every screen is built from, each named after its control name so that tests and
// accessibility tools find it. Texts are plain text, shown exactly as written. Every handler runs
// under the event guard.

QString ToQt(std::string_view text);
std::string FromQt(const QString& text);

enum class LabelKind {
    Caption,    // one line, as wide as its text
    Paragraph,  // wraps at the available width
    Title,      // a larger bold caption heading the screen
};

QLabel* NewLabel(const char* name, const QString& text, LabelKind kind = LabelKind::Caption);

// "Computing…", shown while a calculation runs; the controls beside it do not move when it
// comes and goes.
QLabel* NewBusyLabel();

// A one-line text box holding its initial text. Every later change, the program's own
// included, runs the handler.
QLineEdit* NewTextBox(const char* name, const QString& initialText = {},
                      std::function<void()> onChange = {});

// A box for a number: where the user's locale writes a decimal comma, a comma typed as the one
// separator of a number ("2,5") becomes the point the program reads ("2.5"); elsewhere the
// comma stays, to be refused with the advice to use a point.
QLineEdit* NewNumberBox(const char* name, const QString& initialText = {},
                        std::function<void()> onChange = {});

// A line at the foot of the screen that says what an action has just written or copied, so that
// saving or copying is seen to have worked. Made on first use.
void ShowStatus(QWidget* screen, const QString& text);

// Widens a one-line box, as far as the display allows, so that the text it holds now shows whole.
void FitWholeText(QLineEdit* box);

enum class TextAreaKind {
    WrappedWithoutScrollBars,  // wraps its lines and has no scroll bars
    ScrollingBothWays,         // keeps its lines whole, with both scroll bars
};

// A read-only multi-line text box at least the given number of text columns wide and lines
// high: the program's texts are shown, never edited.
QPlainTextEdit* NewTextArea(const char* name, TextAreaKind kind, int columns, int lines);

// A picture box showing one of the program's drawings.
QWidget* NewDrawing(const char* name, Drawing drawing);

// A frame that holds a screen's option buttons.
QGroupBox* NewFrame(const char* name, const QString& caption);

// A push button; Enter and Space press it when it has the focus. A '&' in the caption marks its
// Alt shortcut.
QPushButton* NewButton(const char* name, const QString& caption, std::function<void()> onClick);

// The screen's one default button: Enter in a text box or on an option presses it.
void MakeDefault(QPushButton* button);

// The row of buttons along the bottom of a screen, from left to right, spread over its width;
// a lone button stands at the right.
QHBoxLayout* NewButtonRow(std::initializer_list<QPushButton*> buttons);
