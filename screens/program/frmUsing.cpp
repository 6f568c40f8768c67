#include "screens/program/frmUsing.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/DateTimeText.h"
#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/Wizard.h"
#include "screens/program/InformationFile.h"

namespace {

constexpr ControlWords UsingControls[] = {
    {"Picture1", "Sun and window", "A small picture of the sun over a window"},
    {"txtUsing", "Using the program", "How to use the program and how it works"},
    {"cmdPrev", nullptr, "Goes back to the start screen"},
    {"cmdAbout", nullptr, "Shows what the program computes and what its calculation assumes"},
    {"cmdContinue", nullptr, "Goes on to the folder and name of the print file"},
    {"cmdExit", nullptr, "Ends the program"},
};

}  // namespace

frmUsing::frmUsing()
    : WizardScreen("frmUsing", "Information about using the program and how it works"),
      lblAbout(NewLabel("lblAbout", "")),
      txtUsing(NewTextArea("txtUsing", TextAreaKind::ScrollingBothWays, 72, 20)) {
    auto* middle = new QHBoxLayout;
    middle->addWidget(NewDrawing("Picture1", Drawing::UsingPicture));
    middle->addWidget(txtUsing, 1);

    auto* cmdContinue = NewButton("cmdContinue", "&Continue", [this] { cmdContinue_Click(); });
    MakeDefault(cmdContinue);

    auto* screen = new QVBoxLayout(this);
    screen->addWidget(lblAbout);
    screen->addLayout(middle, 1);
    screen->addLayout(NewButtonRow({
        NewButton("cmdPrev", "&Previous", [this] { cmdPrev_Click(); }),
        NewButton("cmdAbout", "&About Umbravel", [this] { cmdAbout_Click(); }),
        cmdContinue,
        NewButton("cmdExit", "E&xit", [this] { cmdExit_Click(); }),
    }));
    SayControls(this, UsingControls);
}

void frmUsing::Form_Load() {
    Wizard::CloseIfOpen(Wizard::Step::OutputFiles);
    lblAbout->setText(QString(15, ' ') + "Umbravel 3.0" + QString(21, ' ') + "Helioran" +
                      QString(19, ' ') + ToQt(DateText()));
    txtUsing->setPlainText(ToQt(ReadInformationText(UsingFilePath())));
}

void frmUsing::cmdPrev_Click() {
    Wizard::HandOver(this, Wizard::Step::Start);
}

void frmUsing::cmdAbout_Click() {
    Wizard::Show(Wizard::Step::About, this);
}

void frmUsing::cmdContinue_Click() {
    Wizard::HandOver(this, Wizard::Step::OutputFiles);
}

void frmUsing::cmdExit_Click() {
    EndProgram();
}
