#include "screens/program/frmHelp.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/kit/ScreenParts.h"
#include "screens/program/InformationFile.h"

frmHelp::frmHelp()
    : WizardScreen("frmHelp", "Umbravel help"),
      txtHelp(NewTextArea("txtHelp", TextAreaKind::ScrollingBothWays, 72, 24)) {
    CloseOnEscape();
    txtHelp->setAccessibleName("Help text");
    auto* cmdClose = NewButton("cmdClose", "&Close", [this] { close(); });
    MakeDefault(cmdClose);
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(txtHelp, 1);
    screen->addLayout(NewButtonRow({cmdClose}));
}

void frmHelp::Form_Load() {
    txtHelp->setPlainText(ToQt(ReadInformationText(UsingFilePath())));
}
