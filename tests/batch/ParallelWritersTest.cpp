#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/BatchProgram.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDiffuseWriters = 20;
constexpr int kRunsPerWriter = 10;
constexpr int kMatrixWriters = 5;
constexpr const char* kSectionEnd =
    "==================================================================================\r\n";

std::string Batch(const std::string& folder, const std::string& arguments) {
    return std::string(UMBRAVEL_BATCH_PATH) + " --folder " + folder +
           " --timestamp '12-08-2026 13:05:09' --append " + arguments + " >/dev/null";
}

// Lengthens each diffuse header far beyond a page of file buffer, so that a section written in
// pieces would show.
const std::string kPad(16000, 'h');

// Headers of another length for each writer, so that a file mixed of two runs would show.
std::string MatrixHeader(int writer) {
    return "matrix " + std::to_string(writer) + " " + std::string(40 * writer, 'm');
}

std::vector<std::string> Sections(const std::string& file) {
    std::vector<std::string> sections;
    const std::string end = kSectionEnd;
    for (std::size_t at = 0, next; (next = file.find(end, at)) != std::string::npos;
         at = next + end.size()) {
        sections.push_back(file.substr(at, next + end.size() - at));
    }
    return sections;
}

// Writers side by side, each a shell loop of batch runs into one folder: diffuse sections
// appended to one print file, and matrix runs replacing the same five data files.
TEST(ParallelWriters, EverySectionAndEveryDataFileIsWholeAndFromOneRun) {
    TempFolder shared;
    TempFolder references;
    const std::string folder = shared.Slash();

    // One run alone gives the section every writer's run must match, its header aside.
    const std::string referenceId = "w00 r00";
    ASSERT_EQ(RunScript(Batch(folder, "--print-file reference.prt --mode diffuse --header '" +
                                          referenceId + " " + kPad + "'")),
              0);
    const std::string reference = ReadBytes(shared.Path() / "reference.prt");
    std::map<int, std::vector<std::string>> matrixFiles;
    for (int w = 1; w <= kMatrixWriters; ++w) {
        const std::string alone = references.Slash() + std::to_string(w) + "-";
        ASSERT_EQ(RunScript(Batch(alone, "--mode matrix --header '" + MatrixHeader(w) + "'")), 0);
        for (int k = 1; k <= 5; ++k)
            matrixFiles[k].push_back(ReadBytes(alone + "AWNONLY" + std::to_string(k) + ".DAT"));
    }

    std::string script = "pad=" + kPad + "\nruns='";
    for (int r = 1; r <= kRunsPerWriter; ++r)
        script += (r < 10 ? " r0" : " r") + std::to_string(r);
    script += "'\n";
    for (int w = 1; w <= kDiffuseWriters; ++w) {
        const std::string id = (w < 10 ? "w0" : "w") + std::to_string(w);
        script += "(for r in $runs; do " +
                  Batch(folder, "--mode diffuse --header \"" + id + " $r $pad\"") + "; done) &\n";
    }
    for (int w = 1; w <= kMatrixWriters; ++w) {
        script += "(for r in $runs; do " +
                  Batch(folder, "--print-file matrix.prt --mode matrix --header '" +
                                    MatrixHeader(w) + "'") +
                  "; done) &\n";
    }
    script += "wait\n";
    ASSERT_EQ(RunScript(script), 0);

    const std::vector<std::string> sections = Sections(ReadBytes(shared.Path() / "Umbravel.prt"));
    EXPECT_EQ(sections.size(), static_cast<std::size_t>(kDiffuseWriters * kRunsPerWriter));
    std::set<std::string> ids;
    int intact = 0;
    const std::size_t idAt = reference.find(referenceId);
    for (const std::string& section : sections) {
        const std::string id = section.substr(std::min(idAt, section.size()), referenceId.size());
        std::string expected = reference;
        expected.replace(idAt, referenceId.size(), id);
        intact += section == expected;
        ids.insert(id);
    }
    EXPECT_EQ(intact, kDiffuseWriters * kRunsPerWriter);
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(kDiffuseWriters * kRunsPerWriter));

    for (int k = 1; k <= 5; ++k) {
        const std::string file =
            ReadBytes(shared.Path() / ("AWNONLY" + std::to_string(k) + ".DAT"));
        const auto& candidates = matrixFiles[k];
        EXPECT_NE(std::find(candidates.begin(), candidates.end(), file), candidates.end())
            << "AWNONLY" << k << ".DAT matches no single run";
    }
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(shared.Path()))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"AWNONLY1.DAT", "AWNONLY2.DAT", "AWNONLY3.DAT",
                                            "AWNONLY4.DAT", "AWNONLY5.DAT", "Umbravel.prt",
                                            "matrix.prt", "reference.prt"}));
}

}  // namespace
