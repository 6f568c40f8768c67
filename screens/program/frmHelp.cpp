#include "screens/program/frmHelp.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/kit/ControlWords.h"
#include "screens/kit/ScreenParts.h"
#include "screens/program/InformationFile.h"

namespace {

constexpr ControlWords HelpControls[] = {
    {"txtHelp", "Help text", "How to use the program and how it works"},
    {"cmdClose", nullptr, "Closes the help; the screen beside it stays as it was"},
};

}  // namespace

frmHelp::frmHelp()
    : WizardScreen("frmHelp", "Umbravel help"),
      txtHelp(NewTextArea("txtHelp", TextAreaKind::ScrollingBothWays, 72, 24)) {
    CloseOnEscape();
    auto* cmdClose = NewButton("cmdClose", "&Close", [this] { close(); });
    MakeDefault(cmdClose);
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(txtHelp, 1);
    screen->addLayout(NewButtonRow({cmdClose}));
    SayControls(this, HelpControls);
}

void frmHelp::Form_Load() {
    txtHelp->setPlainText(ToQt(ReadInformationText(UsingFilePath())));
}
