#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <algorithm>
#include <filesystem>
#include <string>

#include "output/screens/frmViewPrint.h"
#include "screens/kit/FixedPitchFont.h"
#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"

using namespace mduUmbravel;

namespace {

class frmSavedTest : public WizardFixture {};

struct DataFiles {
    const char* option;
    const char* list;
};

class frmSavedDataFilesTest : public frmSavedTest,
                              public ::testing::WithParamInterface<DataFiles> {};

TEST_P(frmSavedDataFilesTest, TheDataFilesOfTheGeometryAreListedAfterAMatrix) {
    WalkTo("frmGeomChoice");
    Calculate(GetParam().option, "optMatrix");
    Click("frmMatrixResults", "cmdFinish");
    EXPECT_EQ(Text("frmSaved", "lblDataFiles"), GetParam().list);
    EXPECT_TRUE(Find<QLabel>("frmSaved", "lblDataFile")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    EveryGeometry, frmSavedDataFilesTest,
    ::testing::Values(
        DataFiles{"optGeom1",
                  "AWNONLY1.dat  AWNONLY2.DAT  AWNONLY3.DAT   AWNONLY4.DAT    AWNONLY5.DAT"},
        DataFiles{"optGeom2",
                  "SIDEFIN1.dat  SIDEFIN2.DAT  SIDEFIN3.DAT   SIDEFIN4.DAT    SIDEFIN5.DAT"},
        DataFiles{"OptGeom3",
                  "AWN&FIN1.dat  AWN&FIN2.DAT  AWN&FIN3.DAT   AWN&FIN4.DAT    AWN&FIN5.DAT"}),
    [](const auto& info) { return std::string(info.param.option); });

// Only the files this run wrote are listed: a single sun writes none, each matrix its geometry's.
TEST_F(frmSavedTest, TheDataFilesListedAreThoseThisRunWrote) {
    WalkTo("frmGeomChoice");
    Calculate("optGeom1", "OptSingleSun");
    Click("frmBeamResults", "cmdFinish");
    EXPECT_EQ(Text("frmSaved", "lblDataFiles"), "");
    EXPECT_FALSE(Find<QLabel>("frmSaved", "lblDataFile")->isVisible());

    Click("frmSaved", "cmdRepeat");
    answers = {"Append Instead"};
    Click("frmPathFileName", "cmdContinue");
    Calculate("optGeom2", "optMatrix");
    Click("frmMatrixResults", "cmdNewGeom");
    Calculate("OptGeom3", "optMatrix");
    Click("frmMatrixResults", "cmdFinish");
    EXPECT_EQ(Text("frmSaved", "lblDataFiles"),
              "SIDEFIN1.dat  SIDEFIN2.DAT  SIDEFIN3.DAT   SIDEFIN4.DAT    SIDEFIN5.DAT\n"
              "AWN&FIN1.dat  AWN&FIN2.DAT  AWN&FIN3.DAT   AWN&FIN4.DAT    AWN&FIN5.DAT");
}

TEST_F(frmSavedTest, TheFolderTypedOnThisPassIsShown) {
    WalkTo("frmPathFileName");
    const std::string folder = DataFolder() + "run1/";
    std::filesystem::create_directory(folder);
    TypeOver("frmPathFileName", "txtPath", folder);
    TypeOver("frmPathFileName", "txtPrintFileName", "test.prt");
    Click("frmPathFileName", "cmdContinue");
    Calculate("optGeom1", "OptSingleSun");
    Click("frmBeamResults", "cmdFinish");
    EXPECT_EQ(Text("frmSaved", "lblPrintFile"), "test.prt");
    EXPECT_EQ(Text("frmSaved", "lblFileFolder"), folder);
}

TEST_F(frmSavedTest, TheViewerShowsThePrintFileReadOnlyInFixedPitchAndPrintsIt) {
    WalkTo("frmSaved");
    Click("frmSaved", "cmdPrintIt");
    Click("frmSaved", "cmdPrintIt");
    EXPECT_EQ(OpenScreens(), (std::set<std::string>{"frmSaved", "frmViewPrint"}));
    auto* view = Find<QPlainTextEdit>("frmViewPrint", "txtPrintFile");
    std::string shown = ReadBytes(DataFolder() + "Umbravel.prt");
    std::erase(shown, '\r');
    EXPECT_EQ(view->toPlainText().toStdString(), shown);
    EXPECT_NE(shown.find("Unshaded fraction (USF) = "), std::string::npos);
    EXPECT_TRUE(view->isReadOnly());
    // The columns line up whenever the machine has any font with even glyphs.
    const QStringList families = QFontDatabase::families();
    if (std::ranges::any_of(families, [](const QString& f) { return HasEvenAdvances(QFont(f)); }))
        EXPECT_TRUE(HasEvenAdvances(view->font()));

    const TempFolder printed;
    const std::string pdf = printed.Slash() + "print.pdf";
    InstallPrintSetup([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    });
    Click("frmViewPrint", "cmdPrint");
    InstallPrintSetup({});
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(frmSavedTest, RepeatKeepsThePrintFileNameAndOffersAFreshStartAgain) {
    WalkTo("frmPathFileName");
    TypeOver("frmPathFileName", "txtPrintFileName", "test.prt");
    Click("frmPathFileName", "cmdKeep");
    Click("frmPathFileName", "cmdContinue");
    Calculate("optGeom1", "OptSingleSun");
    Click("frmBeamResults", "cmdFinish");
    Click("frmSaved", "cmdRepeat");

    EXPECT_EQ(Text("frmPathFileName", "txtPrintFileName"), "test.prt");
    EXPECT_EQ(PrintFileName, "test.prt");
    EXPECT_EQ(AppendToPrintFile, 0);
    EXPECT_FALSE(Find<QLabel>("frmPathFileName", "lblAppending")->isVisible());
}

}  // namespace
