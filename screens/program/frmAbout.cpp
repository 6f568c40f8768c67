#include "screens/program/frmAbout.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/kit/ScreenParts.h"
#include "screens/program/InformationFile.h"

frmAbout::frmAbout()
    : WizardScreen("frmAbout", "About Umbravel"),
      txtAbout(NewTextArea("txtAbout", TextAreaKind::ScrollingBothWays, 72, 20)) {
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel("lblScroll", "Scroll down to read text"));
    screen->addWidget(txtAbout, 1);
    screen->addLayout(
        NewButtonRow({NewButton("cmdReturn", "&Return", [this] { cmdReturn_Click(); })}));
}

void frmAbout::Form_Load() {
    txtAbout->setPlainText(ToQt(ReadInformationText(AboutFilePath())));
}

void frmAbout::cmdReturn_Click() {
    close();
}
