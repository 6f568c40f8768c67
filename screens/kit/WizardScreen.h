#pragma once

#include <QDialog>
#include <vector>

class QBoxLayout;

// One screen of the wizard: a window of its own, named after the screen, built afresh each time
// it opens and destroyed when it closes. Enter and Space press the focused button; Enter in a
// text box or on an option presses the screen's default button when it has one. Escape closes
// the dialogs and screens opened beside the wizard, which lose nothing by closing; on the
// wizard's own screens it does nothing, so that no step closes by accident.
class WizardScreen : public QDialog {
    Q_OBJECT

  public:
    ~WizardScreen() override;

    // Runs the screen's opening operation under the event guard, before the screen is shown.
    // False when the opening ended the program.
    bool Open();

  protected:
    WizardScreen(const char* name, const QString& title);

    // The opening operation; reads the program-wide values the previous screen has stored.
    virtual void Form_Load() {}

    // The box lays its items side by side where the screen is wide enough for them, one under
    // the other on a narrow display. margins: what lies beside the box within the screen's own
    // margins, such as a scroll bar.
    void StackWhenNarrow(QBoxLayout* box, int margins = 0) {
        sideBySide_.push_back({box, margins});
    }

    // For a dialog or a screen beside the wizard: Escape closes it.
    void CloseOnEscape() { closesOnEscape_ = true; }

    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct SideBySide {
        QBoxLayout* box;
        int margins;
        int wide = 0;  // the screen's width that holds the items side by side
    };

    int NarrowestFittingWidth() const;
    void ScrollWithinDisplay();
    void ArrangeByWidth();

    int narrowestWidth_ = 0;
    bool closesOnEscape_ = false;
    std::vector<SideBySide> sideBySide_;
};
