#include "output/ProjectFile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempFolder.h"

namespace {

// Every field away from its default, so that a field not written or not read shows.
Project Unusual() {
    Project p;
    p.geometry = Geometry::AwningAndFins;
    p.layout = DeviceLayout::Mirrored;
    p.unit = LengthUnit::Foot;
    p.dimensions = {"3.5", "2", "", "1e5", "0.25", "-0.5", "not a number"};
    p.caseText = "Case \"A\", south";
    p.header = "Header ü";
    p.mode = SourceMode::Year;
    p.solarAltitude = "41.5";
    p.solarAzimuth = "-12";
    p.place = {51.2, 7.1, "Europe/Berlin", 1, {135.5, FinSide::Left}};
    p.year = {2024, "/data/weather file.epw", 0.35, SkyModel::Isotropic, 3, true};
    p.dataFolder = "/home/u/out/";
    return p;
}

TEST(ProjectFile, EveryFieldGoesThroughAFileAndBack) {
    const TempFolder folder;
    const std::string path = folder.Slash() + "design.umbravel";
    const Project saved = Unusual();
    SaveProject(path, saved);
    const Project opened = LoadProject(path);
    EXPECT_TRUE(opened.SameDesign(saved));
    EXPECT_EQ(opened.dimensions.L, "not a number");
    EXPECT_EQ(opened.dimensions.LhP, "-0.5");
    EXPECT_FALSE(opened.SameDesign(Project{}));
    // Saving what was opened writes the same document again.
    EXPECT_EQ(ProjectText(opened), ProjectText(saved));
}

TEST(ProjectFile, KeysThisVersionDoesNotKnowAreKept) {
    const Project p = ReadProjectText(R"({"format": "Umbravel project", "version": 1,
        "notes": "by hand", "device": {"colour": "red", "geometry": "fins"}})");
    EXPECT_EQ(p.geometry, Geometry::Fins);
    const std::string again = ProjectText(p);
    EXPECT_NE(again.find("\"notes\": \"by hand\""), std::string::npos);
    EXPECT_NE(again.find("\"colour\": \"red\""), std::string::npos);
    EXPECT_EQ(ReadProjectText(again).geometry, Geometry::Fins);
}

TEST(ProjectFile, WhatCannotBeAProjectIsRefusedSayingWhy) {
    const struct {
        const char* text;
        const char* said;
    } cases[] = {
        {R"({"format": "Umbravel project", "version": 2})", "newer Umbravel (project version 2)"},
        {"{\"format\": \"Umbravel project\",\n\"version\": 1,\n\"device\": {,\n}", "line 3"},
        {R"({"format": "something else"})", "not an Umbravel project"},
        {"[1, 2]", "not an Umbravel project"},
        {R"({"format": "Umbravel project", "device": {"geometry": "dome"}})",
         "\"geometry\" cannot be \"dome\""},
        {R"({"format": "Umbravel project", "place": {"latitude": "north"}})", "wrong kind"},
        {R"({"format": "Umbravel project", "year": {"sky": "cloudy"}})",
         "\"sky\" cannot be \"cloudy\""},
        {R"({"format": "Umbravel project", "year": {"glazing panes": 4}})",
         "\"glazing panes\" cannot be 4"},
    };
    for (const auto& c : cases) {
        try {
            ReadProjectText(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ProjectRefused& refused) {
            EXPECT_NE(std::string(refused.what()).find(c.said), std::string::npos)
                << refused.what();
        }
    }
}

TEST(ProjectFile, AFileThatCannotBeOpenedOrWrittenIsRefused) {
    const TempFolder folder;
    EXPECT_THROW(LoadProject(folder.Slash() + "missing.umbravel"), ProjectRefused);
    EXPECT_THROW(LoadProject(folder.Slash()), ProjectRefused);
    const std::string path = folder.Slash() + "kept.umbravel";
    SaveProject(path, Unusual());
    EXPECT_ANY_THROW(SaveProject(folder.Slash() + "no/such/folder.umbravel", Project{}));
    EXPECT_TRUE(LoadProject(path).SameDesign(Unusual()));
}

}  // namespace
