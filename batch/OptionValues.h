#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/CheckedNumber.h"
#include "base/Clock.h"
#include "base/QuotedText.h"
#include "batch/BatchOptions.h"

// Readers of the values options take; each throws UsageError naming the option.

struct GlazingNames {
    int panes;
    std::string_view option;  // --glazing
};

inline constexpr std::array<GlazingNames, 4> GlazingTable = {{
    {0, "none"},
    {1, "1"},
    {2, "2"},
    {3, "3"},
}};

// The words of a name table, with `between` between them and `last` before the last one.
template <class Row, std::size_t N>
std::string WordList(const std::array<Row, N>& table, std::string_view between,
                     std::string_view last) {
    std::string list;
    for (std::size_t k = 0; k < N; ++k) {
        if (k > 0)
            list += k + 1 == N ? last : between;
        list += table[k].option;
    }
    return list;
}

// The row of the table the value names.
template <class Row, std::size_t N>
Row WordRow(std::string_view option, const std::array<Row, N>& table, const std::string& value) {
    if (const auto row = RowNamed(table, value))
        return *row;
    throw UsageError(std::string(option) + " must be " + WordList(table, ", ", " or ") + ", not " +
                     QuotedText(value));
}

ClockReading ReadTimestamp(std::string_view option, const std::string& value);

// Unlike the wizard's boxes, a number the whole text must spell, within the bounds.
double OptionNumber(std::string_view option, const std::string& value, const NumberBounds& bounds);

int ReadStepMinutes(std::string_view option, const std::string& value);

// "K/N": two whole numbers, K less than N.
StudyShard ReadShard(std::string_view option, const std::string& value);

int ReadYear(std::string_view option, const std::string& value);
