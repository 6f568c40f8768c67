#pragma once

#include <gtest/gtest.h>

#include <string>

#include "base/Clock.h"
#include "model/mduUmbravel.h"
#include "support/Geometry.h"
#include "support/TempFolder.h"

// A report writer under test: the clock reads 12-08-2026 13:05:09, the data folder is a fresh
// temporary folder holding "Umbravel.prt", and the default geometry with the awning alone is
// stored under a short header and case text.
class ReportFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        using namespace mduUmbravel;
        FixClock({2026, 12, 8, 13, 5, 9});
        DataPath = folder_.Slash();
        PrintFileName = "Umbravel.prt";
        FillGeomModeNames();
        HeaderText = "W'= 3 W= 2 DelW= 1 H= 4 h= 3 LhP= 1 L= 3";
        GeomCaseText = "South office, deep awning";
        StoreDefaultGeometry();
        GeomMode = 1;
    }
    void TearDown() override { ReleaseClock(); }

    std::string PrintFile() const { return ReadBytes(folder_.Path() / "Umbravel.prt"); }

    TempFolder folder_;
};
