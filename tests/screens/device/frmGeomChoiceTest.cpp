#include <QKeySequence>
#include <QRadioButton>
#include <string>

#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"

using namespace mduUmbravel;

namespace {

class frmGeomChoiceTest : public WizardFixture {
  protected:
    bool Selected(const char* option) {
        return Find<QRadioButton>("frmGeomChoice", option)->isChecked();
    }
};

struct Choice {
    const char* option;
    Geometry geometry;
};

class frmGeomChoiceOptionTest : public frmGeomChoiceTest,
                                public ::testing::WithParamInterface<Choice> {};

TEST_P(frmGeomChoiceOptionTest, ContinueSetsTheChosenGeometry) {
    WalkTo("frmGeomChoice");
    Click("frmGeomChoice", GetParam().option);
    Click("frmGeomChoice", "cmdOK");
    EXPECT_EQ(GeomMode, GetParam().geometry);
}

INSTANTIATE_TEST_SUITE_P(EveryGeometry, frmGeomChoiceOptionTest,
                         ::testing::Values(Choice{"optGeom1", Geometry::Awning},
                                           Choice{"optGeom2", Geometry::Fins},
                                           Choice{"OptGeom3", Geometry::AwningAndFins}),
                         [](const auto& info) { return std::string(info.param.option); });

TEST_F(frmGeomChoiceTest, ExactlyOneGeometryIsSelectedAtAnyTime) {
    WalkTo("frmGeomChoice");
    EXPECT_TRUE(Selected("optGeom1"));
    Click("frmGeomChoice", "optGeom2");
    Click("frmGeomChoice", "OptGeom3");
    EXPECT_FALSE(Selected("optGeom1"));
    EXPECT_FALSE(Selected("optGeom2"));
    EXPECT_TRUE(Selected("OptGeom3"));
}

TEST_F(frmGeomChoiceTest, EachVisitStartsFromTheGeometryLastChosen) {
    WalkTo("frmGeomChoice");
    Click("frmGeomChoice", "optGeom2");
    Click("frmGeomChoice", "cmdOK");
    Click("frmGeomValues", "cmdPrevious");
    EXPECT_TRUE(Selected("optGeom2"));
    EXPECT_FALSE(Selected("optGeom1"));
    Click("frmGeomChoice", "cmdOK");
    EXPECT_EQ(GeomMode, Geometry::Fins);
}

TEST_F(frmGeomChoiceTest, TheAmpersandsOfTheCaptionAreCharactersNotTheAccessKey) {
    WalkTo("frmGeomChoice");
    const auto* option = Find<QRadioButton>("frmGeomChoice", "OptGeom3");
    EXPECT_EQ(option->text().toStdString(),
              "Both awning and side fins." + std::string(23, ' ') +
                  "Output can go to five data files:" + std::string(27, ' ') +
                  "AWN&FIN1.DAT through AWN&FIN5.DAT.");
    EXPECT_EQ(option->shortcut(), QKeySequence(Qt::ALT | Qt::Key_B))
        << option->shortcut().toString().toStdString();
}

}  // namespace
