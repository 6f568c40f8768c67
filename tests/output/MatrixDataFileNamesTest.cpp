#include "output/MatrixDataFileNames.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

TEST(MatrixDataFileNames, FollowTheGeometry) {
    using Names = std::array<std::string, 5>;
    EXPECT_EQ(
        MatrixDataFileNames(Geometry::Awning),
        (Names{"AWNONLY1.DAT", "AWNONLY2.DAT", "AWNONLY3.DAT", "AWNONLY4.DAT", "AWNONLY5.DAT"}));
    EXPECT_EQ(
        MatrixDataFileNames(Geometry::Fins),
        (Names{"SIDEFIN1.DAT", "SIDEFIN2.DAT", "SIDEFIN3.DAT", "SIDEFIN4.DAT", "SIDEFIN5.DAT"}));
    EXPECT_EQ(
        MatrixDataFileNames(Geometry::AwningAndFins),
        (Names{"AWN&FIN1.DAT", "AWN&FIN2.DAT", "AWN&FIN3.DAT", "AWN&FIN4.DAT", "AWN&FIN5.DAT"}));
}

TEST(MatrixDataFileList, ListsTheNamesAsTheClosingScreenShowsThem) {
    EXPECT_EQ(MatrixDataFileList(Geometry::Awning),
              "AWNONLY1.dat  AWNONLY2.DAT  AWNONLY3.DAT   AWNONLY4.DAT    AWNONLY5.DAT");
    EXPECT_EQ(MatrixDataFileList(Geometry::Fins),
              "SIDEFIN1.dat  SIDEFIN2.DAT  SIDEFIN3.DAT   SIDEFIN4.DAT    SIDEFIN5.DAT");
    EXPECT_EQ(MatrixDataFileList(Geometry::AwningAndFins),
              "AWN&FIN1.dat  AWN&FIN2.DAT  AWN&FIN3.DAT   AWN&FIN4.DAT    AWN&FIN5.DAT");
}

}  // namespace
