#include "output/MatrixDataFileNames.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace {

TEST(MatrixDataFileNames, FollowTheGeometryModeWithAwningAndFinsForAnyOther) {
    using Names = std::array<std::string_view, 5>;
    EXPECT_EQ(MatrixDataFileNames(1), (Names{"AWNONLY1.DAT", "AWNONLY2.DAT", "AWNONLY3.DAT",
                                             "AWNONLY4.DAT", "AWNONLY5.DAT"}));
    EXPECT_EQ(MatrixDataFileNames(2), (Names{"SIDEFIN1.DAT", "SIDEFIN2.DAT", "SIDEFIN3.DAT",
                                             "SIDEFIN4.DAT", "SIDEFIN5.DAT"}));
    const Names both = {"AWN&FIN1.DAT", "AWN&FIN2.DAT", "AWN&FIN3.DAT", "AWN&FIN4.DAT",
                        "AWN&FIN5.DAT"};
    EXPECT_EQ(MatrixDataFileNames(3), both);
    EXPECT_EQ(MatrixDataFileNames(0), both);
    EXPECT_EQ(MatrixDataFileNames(4), both);
}

TEST(MatrixDataFileList, ListsTheNamesAsTheClosingScreenShowsThem) {
    EXPECT_EQ(MatrixDataFileList(1),
              "AWNONLY1.dat  AWNONLY2.DAT  AWNONLY3.DAT   AWNONLY4.DAT    AWNONLY5.DAT");
    EXPECT_EQ(MatrixDataFileList(2),
              "SIDEFIN1.dat  SIDEFIN2.DAT  SIDEFIN3.DAT   SIDEFIN4.DAT    SIDEFIN5.DAT");
    EXPECT_EQ(MatrixDataFileList(3),
              "AWN&FIN1.dat  AWN&FIN2.DAT  AWN&FIN3.DAT   AWN&FIN4.DAT    AWN&FIN5.DAT");
    EXPECT_EQ(MatrixDataFileList(0), MatrixDataFileList(3));
}

}  // namespace
