#pragma once

#include <gtest/gtest.h>

#include <string>

#include "base/Clock.h"
#include "model/ShadingCase.h"
#include "support/Geometry.h"
#include "support/TempFolder.h"

// A report writer under test: the clock reads 12-08-2026 13:05:09, and the case writes to
// "Umbravel.prt" in a fresh temporary folder, with the default geometry and the awning alone
// under a short header and case text.
class ReportFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        FixClock({2026, 12, 8, 13, 5, 9});
        case_.geometry = Geometry::Awning;
        case_.dimensions = DefaultGeometry();
        case_.output.dataPath = folder_.Slash();
        case_.output.printFileName = "Umbravel.prt";
        case_.output.headerText = "W'= 3 W= 2 DelW= 1 H= 4 h= 3 LhP= 1 L= 3";
        case_.output.geomCaseText = "South office, deep awning";
    }
    void TearDown() override { ReleaseClock(); }

    std::string PrintFile() const { return ReadBytes(folder_.Path() / "Umbravel.prt"); }

    TempFolder folder_;
    ShadingCase case_;
};
