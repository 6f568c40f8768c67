#include "ui/frmAwnSplash.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/frmPathFileName.h"
#include "platform/Host.h"
#include "ui/ScreenParts.h"
#include "ui/Wizard.h"
#include "ui/frmUsing.h"

namespace {

// The description of the program, eleven lines with their trailing blanks.
QString ProgramDescription() {
    const QString lines[] = {
        "Umbravel calculates the \"UnShaded ",
        "Fraction\" (USF) of a vertical window's area ",
        "for a specified sun position. It also ",
        "calculates the USF averaged over a ",
        "quarter-spherical solid angle, thereby ",
        "producing the diffuse USF (<USF>)." + QString(14, ' '),
        QString(77, ' '),
        " The shading which can be ",
        "accommodated includes a horizontal ",
        "overhang, an overhang with side fins," + QString(10, ' '),
        "and an awning, with and without side fins." + QString(4, ' '),
    };
    QString text;
    for (const QString& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// The maker's slogan and address, inside the screen's rectangle.
QFrame* MakerBox() {
    auto* box = new QFrame;
    box->setObjectName("shpMaker");
    box->setFrameShape(QFrame::Box);
    auto* lines = new QVBoxLayout(box);
    lines->addWidget(NewLabel("lblSlogan", "Helioran - software for daylight and shading"));
    lines->addWidget(NewLabel("lblStreet", "[Street address]"));
    lines->addWidget(NewLabel("lblCity", "[City and postal code]"));
    lines->addWidget(NewLabel("lblPhone", "[Telephone]   [Web site]"));
    return box;
}

}  // namespace

frmAwnSplash::frmAwnSplash()
    : WizardScreen("frmAwnSplash", "Helioran Awning and Overhang Program"),
      lblVersion(NewLabel("lblVersion", "")),
      lblDate(NewLabel("lblDate", "")) {
    // Without scroll bars the box must hold the whole description.
    auto* txtAbout = NewTextArea("txtAbout", TextAreaKind::WrappedWithoutScrollBars, 46, 12);
    txtAbout->setPlainText(ProgramDescription());

    auto* modified = new QHBoxLayout;
    modified->addWidget(NewLabel("lblModified", "Last modified:"));
    modified->addWidget(lblDate);
    modified->addStretch();

    auto* name = new QVBoxLayout;
    name->addWidget(NewLabel("Label1", " Umbravel 3.0", LabelKind::Title));
    name->addWidget(lblVersion);
    name->addLayout(modified);
    name->addWidget(NewLabel("Label2", "DRAFT for Review Only -- Do Not Distribute"));
    name->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(NewDrawing("AwnLogo", Drawing::Logo));
    top->addLayout(name, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(NewDrawing("Picture1", Drawing::SplashPicture), 1);
    middle->addWidget(txtAbout);

    auto* screen = new QVBoxLayout(this);
    screen->addLayout(top);
    screen->addLayout(middle, 1);
    screen->addWidget(MakerBox());
    screen->addLayout(NewButtonRow({
        NewButton("cmdAbout", "About Umbravel", [this] { cmdAbout_Click(); }),
        NewButton("cmdContinue", "Continue", [this] { cmdContinue_Click(); }),
        NewButton("cmdExit", "Exit", [this] { cmdExit_Click(); }),
    }));
}

void frmAwnSplash::Form_Load() {
    lblDate->setText("2 JUNE 2004");
    lblVersion->setText("Version 3.0  BETA Release");
}

void frmAwnSplash::cmdAbout_Click() {
    Wizard::Show<frmUsing>();
}

void frmAwnSplash::cmdContinue_Click() {
    Wizard::HandOver<frmPathFileName>(this);
}

void frmAwnSplash::cmdExit_Click() {
    EndProgram();
}
