#include "ui/frmUsing.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/DateTimeText.h"
#include "output/frmPathFileName.h"
#include "platform/Host.h"
#include "ui/InformationFile.h"
#include "ui/ScreenParts.h"
#include "ui/Wizard.h"
#include "ui/frmAbout.h"
#include "ui/frmAwnSplash.h"

frmUsing::frmUsing()
    : WizardScreen("frmUsing", "Information about using the program and how it works"),
      lblAbout(NewLabel("lblAbout", "")),
      txtUsing(NewTextArea("txtUsing", TextAreaKind::ScrollingBothWays, 72, 20)) {
    auto* middle = new QHBoxLayout;
    middle->addWidget(NewDrawing("Picture1", Drawing::UsingPicture));
    middle->addWidget(txtUsing, 1);

    auto* cmdContinue = NewButton("cmdContinue", "Continue", [this] { cmdContinue_Click(); });
    MakeDefault(cmdContinue);

    auto* screen = new QVBoxLayout(this);
    screen->addWidget(lblAbout);
    screen->addLayout(middle, 1);
    screen->addLayout(NewButtonRow({
        NewButton("cmdPrev", "Previous", [this] { cmdPrev_Click(); }),
        NewButton("cmdAbout", "About Umbravel", [this] { cmdAbout_Click(); }),
        cmdContinue,
        NewButton("cmdExit", "Exit", [this] { cmdExit_Click(); }),
    }));
}

void frmUsing::Form_Load() {
    Wizard::CloseIfOpen<frmPathFileName>();
    lblAbout->setText(QString(15, ' ') + "Umbravel 3.0" + QString(21, ' ') + "Helioran" +
                      QString(19, ' ') + ToQt(DateText()));
    txtUsing->setPlainText(ToQt(ReadInformationText(UsingFilePath())));
}

void frmUsing::cmdPrev_Click() {
    Wizard::HandOver<frmAwnSplash>(this);
}

void frmUsing::cmdAbout_Click() {
    Wizard::Show<frmAbout>();
}

void frmUsing::cmdContinue_Click() {
    Wizard::HandOver<frmPathFileName>(this);
}

void frmUsing::cmdExit_Click() {
    EndProgram();
}
