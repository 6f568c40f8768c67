#include "screens/program/frmAbout.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/kit/ControlWords.h"
#include "screens/kit/ScreenParts.h"
#include "screens/program/InformationFile.h"

namespace {

constexpr ControlWords AboutControls[] = {
    {"txtAbout", "About Umbravel", "What the program computes and what its calculation assumes"},
    {"cmdReturn", nullptr, "Closes this text and returns to the screen behind it"},
};

}  // namespace

frmAbout::frmAbout()
    : WizardScreen("frmAbout", "About Umbravel"),
      txtAbout(NewTextArea("txtAbout", TextAreaKind::ScrollingBothWays, 72, 20)) {
    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel("lblScroll", "Scroll down to read text"));
    screen->addWidget(txtAbout, 1);
    screen->addLayout(
        NewButtonRow({NewButton("cmdReturn", "&Return", [this] { cmdReturn_Click(); })}));
    SayControls(this, AboutControls);
}

void frmAbout::Form_Load() {
    txtAbout->setPlainText(ToQt(ReadInformationText(AboutFilePath())));
}

void frmAbout::cmdReturn_Click() {
    close();
}
