#pragma once

#include <QDialog>

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

    // For a dialog or a screen beside the wizard: Escape closes it.
    void CloseOnEscape() { closesOnEscape_ = true; }

    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    int NarrowestFittingWidth() const;
    void ScrollWithinDisplay();

    int narrowestWidth_ = 0;
    bool closesOnEscape_ = false;
};
