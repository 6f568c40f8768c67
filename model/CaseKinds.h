#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The kinds a calculation is made of, each with the one table of the names it goes by: in the
// batch's options and study files, on the screens, in the print file and in file names.

// The stored values are those of the program's earlier files and options: 1, 2, 3 (and 4).
enum class Geometry : std::int16_t { Awning = 1, Fins = 2, AwningAndFins = 3 };

enum class SourceMode : std::int16_t { Beam = 1, Diffuse = 2, Matrix = 3, Year = 4 };

enum class DeviceLayout : std::int16_t {
    Drawn,    // as on the dimensions screen: plate from x = 0, one fin at x = W + DelW
    Mirrored  // the same on both sides: plate from -DelW to W + DelW, a fin at each end
};

struct GeometryNames {
    Geometry geometry;
    std::string_view option;          // --geometry and the study's geometry column
    std::string_view caption;         // the geometry choice screen and the results screens
    std::string_view sectionCaption;  // the beam section's "Geometry: " line
    std::string_view headerTag;       // the end of the default header line
    std::string_view dataFileStem;    // the matrix data files: stem, then 1 to 5, ".DAT"
    std::string_view projectName;     // project files
};

inline constexpr std::array<GeometryNames, 3> GeometryTable = {{
    {Geometry::Awning, "1", "Awning only", "AWNING ONLY", "AWNONLY", "AWNONLY", "awning"},
    {Geometry::Fins, "2", "Side fins only", "FIN ONLY", "FINONLY", "SIDEFIN", "fins"},
    {Geometry::AwningAndFins, "3", "Awning and fins", "AWNING & FIN", "AWN&FIN", "AWN&FIN",
     "awning and fins"},
}};

struct SourceModeNames {
    SourceMode mode;
    std::string_view option;  // --mode and the study's mode column
};

inline constexpr std::array<SourceModeNames, 4> SourceModeTable = {{
    {SourceMode::Beam, "beam"},
    {SourceMode::Diffuse, "diffuse"},
    {SourceMode::Matrix, "matrix"},
    {SourceMode::Year, "year"},
}};

struct LayoutNames {
    DeviceLayout layout;
    std::string_view option;   // --layout and the JSON results
    std::string_view caption;  // the captions of pictures
};

inline constexpr std::array<LayoutNames, 2> LayoutTable = {{
    {DeviceLayout::Drawn, "drawn", "as drawn"},
    {DeviceLayout::Mirrored, "mirrored", "the same on both sides"},
}};

// The table's row for a value; every value has one.
template <class Row, std::size_t N, class Kind>
constexpr const Row& RowOf(const std::array<Row, N>& table, Kind Row::*key, Kind value) {
    for (const Row& row : table) {
        if (row.*key == value)
            return row;
    }
    return table.front();
}

inline constexpr const GeometryNames& NamesOf(Geometry g) {
    return RowOf(GeometryTable, &GeometryNames::geometry, g);
}
inline constexpr const SourceModeNames& NamesOf(SourceMode m) {
    return RowOf(SourceModeTable, &SourceModeNames::mode, m);
}
inline constexpr const LayoutNames& NamesOf(DeviceLayout l) {
    return RowOf(LayoutTable, &LayoutNames::layout, l);
}

// The row whose name (its option name unless another column is given) is the word; nothing for
// a word no row has.
template <class Row, std::size_t N>
constexpr std::optional<Row> RowNamed(const std::array<Row, N>& table, std::string_view word,
                                      std::string_view Row::*name = &Row::option) {
    for (const Row& row : table) {
        if (row.*name == word)
            return row;
    }
    return std::nullopt;
}
