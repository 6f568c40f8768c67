#include "output/screens/frmPathFileName.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/PathText.h"
#include "output/DefaultPathFile.h"
#include "output/OutputFiles.h"
#include "output/OutputPlace.h"
#include "platform/Host.h"
#include "platform/ProgramFolder.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/mduUmbravel.h"

using namespace mduUmbravel;

namespace {

const char* const kPrintFileInfo =
    "UMBRAVEL opens a file named UMBRAVEL.PRT and appends ASCII text to it containing the "
    "results of the calculations hereafter performed.  If this file already exists, the "
    "information in it will be deleted when you press the \"Continue\" button, in which case "
    "UMBRAVEL.PRT will contain only the results of this session. If you wish to append your new "
    "calculations to the previously saved file UMBRAVEL.PRT, click the button below. You may "
    "rename UMBRAVEL.PRT before you save it, in the \"Print File Name\" window below, but this "
    "file will not be reloaded by this program in any future run. (This renaming feature is "
    "provided to enable you to use different file names for distinguishing different run "
    "cases.)";

const char* const kDataFileInfo =
    "If you choose the \"Matrix of Sun Positions\" option on the \"Solar Irradiation Mode\" "
    "window to follow, UMBRAVEL will generate five ASCII data files containing beam USF values "
    "for various solar altitude angles and five azimuth angles, one azimuth for each file. The "
    "file names will contain the texts AWNONLY, SIDEFIN, or AWN&FIN plus the numbers 1 through "
    "5.  These data files, with the file extension \".dat\", will be placed in the folder shown "
    "in the \"Path\" window below.  You may not change the default data file names, but you can "
    "rename them after the program closes.";

// The original folder, where the files go until another is made the default.
std::string HintText() {
    return "(Hint: the original folder, which the Restore button brings back, is " +
           DefaultDataFolder() +
           ". Any other folder keeps these files apart from the program's own.)";
}

constexpr ControlWords PathFileNameControls[] = {
    {"txtPath", nullptr, "The folder the print file and the data files are written to"},
    {"cmdBrowse", nullptr, "Chooses the folder from the folders on this computer"},
    {"cmdDefault", nullptr, "Makes the folder above the one offered at every start"},
    {"cmdRestore", nullptr,
     "Puts the program's original folder in the box and offers it at every start again"},
    {"txtPrintFileName", nullptr, "The name of the file this run's results are written to"},
    {"cmdKeep", nullptr,
     "Keeps the print file that is there and adds this run's results at its end"},
    {"cmdPrev", nullptr, "Goes back to the start screen"},
    {"cmdExit", nullptr, "Ends the program"},
    {"cmdContinue", nullptr,
     "Checks the folder and the name and goes on to the choice of shading device"},
};

}  // namespace

frmPathFileName::frmPathFileName()
    : WizardScreen("frmPathFileName", "Umbravel 3.0"),
      txtPath(NewTextBox("txtPath", "", [this] { txtPath_Change(); })),
      txtPrintFileName(NewTextBox("txtPrintFileName", "", [this] { txtPrintFileName_Change(); })),
      lblPrintFilePath(NewLabel("lblPrintFilePath", "", LabelKind::Paragraph)),
      lblAppending(NewLabel("lblAppending", "Appending to old print file")),
      lblHint(NewLabel("lblHint", "", LabelKind::Paragraph)) {
    // The screen keeps its layout when the appending notice appears.
    QSizePolicy keepPlace = lblAppending->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    lblAppending->setSizePolicy(keepPlace);

    auto* folderBox = new QHBoxLayout;
    folderBox->addWidget(txtPath, 1);
    folderBox->addWidget(NewButton("cmdBrowse", "&Browse\u2026", [this] { cmdBrowse_Click(); }));

    auto* defaultFolder = new QHBoxLayout;
    defaultFolder->addWidget(NewLabel("lblChange",
                                      "Click this button to make this the default directory for "
                                      "your UMBRAVEL data and print files. ",
                                      LabelKind::Paragraph),
                             1);
    defaultFolder->addWidget(
        NewButton("cmdDefault", "&Make This Your Default Folder", [this] { cmdDefault_Click(); }));

    auto* appending = new QHBoxLayout;
    appending->addWidget(
        NewButton("cmdKeep", "&Append to Previous UMBRAVEL.PRT", [this] { cmdKeep_Click(); }));
    appending->addWidget(lblAppending);
    appending->addStretch();

    auto* cmdContinue = NewButton("cmdContinue", "&Continue", [this] { cmdContinue_Click(); });
    MakeDefault(cmdContinue);

    auto* screen = new QVBoxLayout(this);
    screen->addWidget(NewLabel("lblFileTitle", "Output Data and Print Files", LabelKind::Title));
    screen->addWidget(NewLabel("lblPrintFileInfo", kPrintFileInfo, LabelKind::Paragraph));
    screen->addWidget(NewLabel("lblDataFileInfo", kDataFileInfo, LabelKind::Paragraph));
    screen->addWidget(NewLabel("lblPathName", "Path to Umbravel print and data files folder:"));
    screen->addLayout(folderBox);
    screen->addLayout(defaultFolder);
    screen->addWidget(
        NewButton("cmdRestore", "&Restore Original Folder and make it your Default Folder",
                  [this] { cmdRestore_Click(); }),
        0, Qt::AlignRight);
    screen->addWidget(lblHint);
    screen->addWidget(NewLabel("lblPrintFileName", "Print file name:"));
    screen->addWidget(txtPrintFileName);
    screen->addWidget(NewLabel("lblPrintPath", "Path to find this print file:"));
    screen->addWidget(lblPrintFilePath);
    screen->addLayout(appending);
    screen->addStretch();
    screen->addLayout(NewButtonRow({
        NewButton("cmdPrev", "&Previous", [this] { cmdPrev_Click(); }),
        NewButton("cmdExit", "E&xit", [this] { cmdExit_Click(); }),
        cmdContinue,
    }));
    SayControls(this, PathFileNameControls);
}

void frmPathFileName::Form_Load() {
    AppendToPrintFile = 0;
    lblAppending->hide();
    ProgramFolder = ProgramFolderPath();
    lblHint->setText(ToQt(HintText()));
    // The folder and name the user last had are kept until the program ends.
    if (PrintFileName.empty()) {
        PrintFileName = DefaultPrintFileName;
    }
    std::string unusableDefault;
    if (DataPath.empty()) {
        DataPath = ReadDefaultPathFile(&unusableDefault).value_or(DefaultDataFolder());
    }
    // The name box first: the path box's change event also reads the name box.
    txtPrintFileName->setText(ToQt(PrintFileName));
    txtPath->setText(ToQt(DataPath));
    ShowPrintFilePath();
    if (!unusableDefault.empty() && !DefaultPathFaultTold) {
        DefaultPathFaultTold = true;
        ShowMessage(unusableDefault);
    }
}

void frmPathFileName::ShowPrintFilePath() {
    lblPrintFilePath->setText(txtPath->text() + txtPrintFileName->text());
}

void frmPathFileName::txtPath_Change() {
    DataPath = FromQt(txtPath->text());
    PrintFileName = FromQt(txtPrintFileName->text());
    ShowPrintFilePath();
}

void frmPathFileName::txtPrintFileName_Change() {
    PrintFileName = FromQt(txtPrintFileName->text());
    ShowPrintFilePath();
}

// The chosen folder goes into the box as if typed there, with its final separator.
void frmPathFileName::cmdBrowse_Click() {
    if (const auto folder = ChooseFolder(DataPath)) {
        txtPath->setText(ToQt(WithFinalSeparator(*folder)));
    }
}

// The folder is saved as "Continue" would use it, with its final separator.
void frmPathFileName::cmdDefault_Click() {
    txtPath->setText(ToQt(WithFinalSeparator(DataPath)));
    WriteDefaultPathFile(DataPath);
    ShowStatus(this, ToQt("The default folder is now " + DataPath + "."));
}

void frmPathFileName::cmdRestore_Click() {
    txtPath->setText(ToQt(DefaultDataFolder()));
    DeleteDefaultPathFile();
    ShowStatus(this,
               ToQt("The default folder is the program's own again: " + DefaultDataFolder() + "."));
}

void frmPathFileName::cmdKeep_Click() {
    AppendToPrintFile = 1;
    lblAppending->show();
}

// Nothing is written, and the user stays with every entry, until both boxes name a place the
// files can go and the user has agreed to lose whatever an afresh start would delete.
void frmPathFileName::cmdContinue_Click() {
    if (!OutputPlaceSettled()) {
        return;
    }
    if (AppendToPrintFile == 0 && PrintFileHoldsResults(PrintFilePath()) &&
        !StartAfreshConfirmed()) {
        return;
    }
    if (AppendToPrintFile == 0) {
        StartPrintFileAfresh(PrintFilePath());
    }
    Wizard::HandOver(this, Wizard::Step::GeomChoice);
}

// Adds a missing final separator to the folder box, offers to create a missing folder and
// tells any other fault of the two boxes. False when the user is to stay on the screen.
bool frmPathFileName::OutputPlaceSettled() {
    const QString folder = ToQt(WithFinalSeparator(DataPath));
    if (folder != txtPath->text()) {
        txtPath->setText(folder);
    }
    PlaceFault fault = CheckOutputPlace(DataPath, PrintFileName);
    if (fault == PlaceFault::FolderMissing) {
        if (AskQuestion(PlaceFaultMessage(fault, DataPath, PrintFileName),
                        {"Create Folder", "Stay Here"}) != 0) {
            return false;
        }
        if (const std::string failure = CreateDataFolder(DataPath); !failure.empty()) {
            ShowMessage(failure);
            return false;
        }
        fault = CheckOutputPlace(DataPath, PrintFileName);
    }
    if (fault != PlaceFault::None) {
        ShowMessage(PlaceFaultMessage(fault, DataPath, PrintFileName));
        return false;
    }
    return true;
}

// Asks before an afresh start deletes the results of earlier runs; appending instead is one
// of the answers. False when the user is to stay on the screen.
bool frmPathFileName::StartAfreshConfirmed() {
    const std::string question = "The print file " + ShortPathText(PrintFilePath()) +
                                 " holds the results of earlier runs. Starting it afresh "
                                 "deletes them: they will be lost.";
    switch (AskQuestion(question, {"Start Afresh", "Append Instead", "Stay Here"})) {
        case 0:
            return true;
        case 1:
            cmdKeep_Click();
            return true;
        default:
            return false;
    }
}

void frmPathFileName::cmdPrev_Click() {
    Wizard::HandOver(this, Wizard::Step::Start);
}

void frmPathFileName::cmdExit_Click() {
    EndProgram();
}
