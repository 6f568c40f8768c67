#include "output/screens/frmSaved.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/MatrixDataFileNames.h"
#include "output/screens/frmViewPrint.h"
#include "platform/Host.h"
#include "screens/kit/ControlWords.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/mduUmbravel.h"

using namespace mduUmbravel;

namespace {

constexpr ControlWords SavedControls[] = {
    {"cmdRepeat", nullptr, "Starts another run from the folder and name of the print file"},
    {"cmdPrintIt", nullptr, "Shows the print file as it stands, from where it can be printed"},
    {"cmdExit", nullptr, "Ends the program"},
};

}  // namespace

frmSaved::frmSaved()
    : WizardScreen("frmSaved", "Results saved in ascii text file for printing"),
      lblPrintFile(NewLabel("lblPrintFile", "")),
      lblDataFile(NewLabel("lblDataFile", "Data files of the matrix of sun positions:")),
      lblDataFiles(NewLabel("lblDataFiles", "")),
      lblFileFolder(NewLabel("lblFileFolder", "", LabelKind::Paragraph)) {
    auto* cmdExit = NewButton("cmdExit", "E&xit", [this] { cmdExit_Click(); });
    MakeDefault(cmdExit);

    auto* screen = new QVBoxLayout(this);
    screen->addWidget(
        NewLabel("lblTitle", "UMBRAVEL 3.0 Awning Shading Algorithm", LabelKind::Title));
    screen->addWidget(
        NewLabel("Label1", "Results of this session have been saved in the following files"));
    screen->addWidget(lblPrintFile);
    screen->addWidget(lblDataFile);
    screen->addWidget(lblDataFiles);
    screen->addWidget(NewLabel("lblFolder", "in the following folder:"));
    screen->addWidget(lblFileFolder);
    screen->addStretch();
    screen->addLayout(NewButtonRow({
        NewButton("cmdRepeat", "&Repeat", [this] { cmdRepeat_Click(); }),
        NewButton("cmdPrintIt", "&View output print file, and print it",
                  [this] { cmdPrintIt_Click(); }),
        cmdExit,
    }));
    SayControls(this, SavedControls);
}

void frmSaved::Form_Load() {
    lblPrintFile->setText(ToQt(PrintFileName));
    // Only a matrix of sun positions writes data files.
    std::string lists;
    for (const Geometry geometry : MatrixFilesWritten) {
        lists += (lists.empty() ? "" : "\n") + MatrixDataFileList(geometry);
    }
    lblDataFiles->setText(ToQt(lists));
    lblDataFile->setVisible(!lists.empty());
    lblDataFiles->setVisible(!lists.empty());
    lblFileFolder->setText(ToQt(DataPath));
}

void frmSaved::cmdRepeat_Click() {
    Wizard::HandOver(this, Wizard::Step::OutputFiles);
}

// A viewer left open from an earlier press is replaced, so that the file shows as it is now.
void frmSaved::cmdPrintIt_Click() {
    Wizard::CloseIfOpen<frmViewPrint>();
    Wizard::Show<frmViewPrint>();
}

// No file stays open between events, so there is none left to close.
void frmSaved::cmdExit_Click() {
    EndProgram();
}
