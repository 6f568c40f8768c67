#include "screens/program/frmAwnSplash.h"

#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Host.h"
#include "platform/ProgramFolder.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/Wizard.h"

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

// The date this program was built, as 2026-12-08.
QString BuildDate() {
    return QDate::fromString(QString(__DATE__).simplified(), "MMM d yyyy").toString(Qt::ISODate);
}

// The maker's slogan, this build, its licence and where the program keeps its files, inside the
// screen's rectangle. The labels keep the names of the address lines they stand in for.
QFrame* MakerBox(QLabel* lblPhone) {
    auto* box = new QFrame;
    box->setObjectName("shpMaker");
    box->setFrameShape(QFrame::Box);
    auto* lines = new QVBoxLayout(box);
    lines->addWidget(NewLabel("lblSlogan", "Helioran - software for daylight and shading"));
    lines->addWidget(NewLabel("lblStreet", "Umbravel " UMBRAVEL_VERSION ", built " + BuildDate()));
    lines->addWidget(NewLabel("lblCity", "Free software under the MIT licence"));
    lines->addWidget(lblPhone);
    return box;
}

constexpr ControlWords SplashControls[] = {
    {"AwnLogo", "Helioran logo", "A sun rising over an awning"},
    {"Picture1", "Shaded window",
     "A window with an awning and side fins in the sun, their shadow on the window"},
    {"txtAbout", "About the program",
     "What the program calculates and the shading devices it takes"},
    {"cmdAbout", nullptr, "Shows how to use the program and how it works"},
    {"cmdContinue", nullptr, "Goes on to the folder and name of the print file"},
    {"cmdExit", nullptr, "Ends the program"},
};

}  // namespace

frmAwnSplash::frmAwnSplash()
    : WizardScreen("frmAwnSplash", "Helioran Awning and Overhang Program"),
      lblVersion(NewLabel("lblVersion", "")),
      lblPhone(NewLabel("lblPhone", "")) {
    // Without scroll bars the box must hold the whole description.
    auto* txtAbout = NewTextArea("txtAbout", TextAreaKind::WrappedWithoutScrollBars, 46, 12);
    txtAbout->setPlainText(ProgramDescription());

    auto* name = new QVBoxLayout;
    name->addWidget(NewLabel("Label1", " Umbravel 3.0", LabelKind::Title));
    name->addWidget(lblVersion);
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
    screen->addWidget(MakerBox(lblPhone));
    screen->addLayout(NewButtonRow({
        NewButton("cmdAbout", "&About Umbravel", [this] { cmdAbout_Click(); }),
        NewButton("cmdContinue", "&Continue", [this] { cmdContinue_Click(); }),
        NewButton("cmdExit", "E&xit", [this] { cmdExit_Click(); }),
    }));
    SayControls(this, SplashControls);
}

void frmAwnSplash::Form_Load() {
    lblVersion->setText("Version " UMBRAVEL_VERSION);
    lblPhone->setText(ToQt("Files and default data folder: " + ProgramFolderPath()));
}

void frmAwnSplash::cmdAbout_Click() {
    Wizard::Show(Wizard::Step::Using, this);
}

void frmAwnSplash::cmdContinue_Click() {
    Wizard::HandOver(this, Wizard::Step::OutputFiles);
}

void frmAwnSplash::cmdExit_Click() {
    EndProgram();
}
