#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A fuzz input for a shading procedure, written as text: the six dimensions as the dimensions
// screen takes them (L W W' H h h'), the direction in degrees (altitude, azimuth) and the
// geometry mode, separated by blanks. Stored as the screens store them: the ratios derived from
// the dimensions, the angles converted to radians.
struct ShadingInput {
    std::array<double, 9> entered{};  // as written, for the record
    double alt = 0;
    double azi = 0;
    std::int16_t mode = 1;
};

// Stores the geometry in ShadeGeometry. Nothing unless the text holds nine finite numbers and
// the angles in radians are finite; a zero dimension can still make a ratio infinite.
std::optional<ShadingInput> StoreShadingInput(const std::uint8_t* data, std::size_t size);

bool AllFinite(std::initializer_list<double> values);

// Results per shadow case and geometry mode: how many fell below 0, above 1 or were not finite,
// with the first input of each kind. Printed when the fuzzer ends.
class RangeRecord {
  public:
    RangeRecord(std::string_view procedure, const std::string_view* caseNames, std::size_t cases);
    ~RangeRecord();
    void Note(std::size_t shadowCase, const ShadingInput& input, double usf);

  private:
    struct Tally {
        std::size_t calls = 0;
        std::array<std::size_t, 3> outside{};  // below 0, above 1, not finite
        std::array<std::string, 3> first;
    };
    std::string_view procedure_;
    const std::string_view* caseNames_;
    std::vector<Tally> tallies_;  // [case * 3 + mode - 1]
};
