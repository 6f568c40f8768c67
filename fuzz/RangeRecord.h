#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ShadingInput.h"

// Results per shadow case and geometry mode: how many fell below 0, above 1 or were not finite,
// with the first input of each kind. Printed when the fuzzer ends.
class RangeRecord {
  public:
    RangeRecord(std::string_view procedure, std::span<const std::string_view> caseNames);
    ~RangeRecord();
    // Aborts unless the case is one of the procedure's; then notes the result under it.
    void Note(std::size_t shadowCase, const ShadingInput& input, double usf);

  private:
    struct Tally {
        std::size_t calls = 0;
        std::array<std::size_t, 3> outside{};  // below 0, above 1, not finite
        std::array<std::string, 3> first;
    };
    std::string_view procedure_;
    std::span<const std::string_view> caseNames_;
    std::vector<Tally> tallies_;  // [case * 3 + mode - 1]
};
