#pragma once

#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

// Every number that comes from outside the program (an option, a field of an input file, a
// stored setting) passes here before anything uses it, so that no "nan" or "inf" can reach a
// calculation or an output.

// The values a number may take: finite, within low to high, and whole when asked.
struct NumberBounds {
    double low = std::numeric_limits<double>::lowest();
    double high = std::numeric_limits<double>::max();
    bool whole = false;
};

// Any finite number.
inline constexpr NumberBounds FiniteNumber{};

// A number refused; the message is the reason as the end of a sentence that starts with the
// number's name: "must be a number, not \"abc\"", "must lie between -90 and 90, not 95".
class NumberRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The number the whole text spells (blanks around, a sign, digits with at most one point, an
// exponent with e or E) within the bounds. Throws NumberRefused for anything else: no number,
// trailing characters, "nan", "inf", a number beyond the range of a double, out of bounds.
double ReadCheckedNumber(std::string_view text, const NumberBounds& bounds);

// A value already read some other way, checked the same way; text is what it was read from.
double CheckedNumber(double value, std::string_view text, const NumberBounds& bounds);
