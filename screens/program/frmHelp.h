#pragma once

#include "screens/kit/WizardScreen.h"

class QPlainTextEdit;

// Help beside the wizard (F1 on any screen): the usage text, read-only, without leaving the
// step the user is on. Close or Escape puts it away.
class frmHelp : public WizardScreen {
    Q_OBJECT

  public:
    frmHelp();

  protected:
    void Form_Load() override;

  private:
    QPlainTextEdit* txtHelp;
};
