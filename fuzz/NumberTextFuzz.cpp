// The number forms of the reports for any double: the general form's shape, its round trip
// through ReadNumber to the value's 15-digit rounding, the sign and zero rules of the caption
// and print-item forms, and every pattern's layout and rounding.
//
// Input: one byte choosing the pattern, then either eight bytes taken as the double's bits or
// a decimal text read by strtod.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "base/NumberText.h"

namespace {

constexpr std::array<std::string_view, 12> Patterns = {
    "0.#####",       "#0.###", "0.######",  "     0.#####", "     0.000", "    0.000",
    "        0.000", " 000.0", "    000.0", "00.0 deg",     "00.00",      "####0",
};

double Value(const std::uint8_t* data, std::size_t size) {
    double x = 0;
    if (size == sizeof x) {
        std::memcpy(&x, data, sizeof x);
        return x;
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    return std::strtod(text.c_str(), nullptr);
}

// x rounded to 15 significant digits by the C library: "d.dddddddddddddde+XX".
std::string Scientific15(double x) {
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", x);
    return text;
}

double Rounded15(double x) {
    return std::strtod(Scientific15(x).c_str(), nullptr);
}

[[noreturn]] void Fail(const char* what, double x, const std::string& text) {
    std::fprintf(stderr, "%s: x = %.17g (%a), text \"%s\"\n", what, x, x, text.c_str());
    std::abort();
}

bool AllDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::size_t SignificantDigits(std::string_view digits) {
    std::string significant;
    for (const char c : digits) {
        if (c != '.')
            significant += c;
    }
    const std::size_t first = significant.find_first_not_of('0');
    return first == std::string::npos ? 0 : significant.size() - first;
}

// "0", "123", "0.05", "12.5" or "1.25E-07": at most 15 significant digits, no zero ending the
// decimals, the exponent form exactly for decimal exponents outside -4 to 14.
void CheckGeneralDigits(double x, const std::string& digits) {
    const std::size_t e = digits.find('E');
    const std::string mantissa = digits.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::string whole = mantissa.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : mantissa.substr(point + 1);
    if (whole.empty() || !AllDigits(whole) || !AllDigits(fraction) ||
        (point != std::string::npos && (fraction.empty() || fraction.back() == '0')) ||
        (whole.size() > 1 && whole[0] == '0') || SignificantDigits(mantissa) > 15) {
        Fail("general form digits", x, digits);
    }
    if (x == 0) {
        if (digits != "0")
            Fail("general form of zero", x, digits);
        return;
    }
    // The exponent of the 15-digit form, which may have carried into the next power.
    const std::string rounded = Scientific15(x);
    const int decimalExponent = std::atoi(rounded.c_str() + rounded.find('e') + 1);
    const bool exponentForm = decimalExponent < -4 || decimalExponent > 14;
    if (e == std::string::npos) {
        if (exponentForm)
            Fail("general form without exponent", x, digits);
        return;
    }
    const std::string exponent = digits.substr(e + 1);
    if (whole.size() != 1 || whole == "0" || exponent.size() < 3 ||
        (exponent[0] != '+' && exponent[0] != '-') || !AllDigits(exponent.substr(1)) ||
        !exponentForm || std::atoi(exponent.c_str()) != decimalExponent) {
        Fail("general form with exponent", x, digits);
    }
}

void CheckGeneralForms(double x) {
    const std::string plain = PlainNumberText(x);
    const bool negative = x < 0;
    if (negative != (plain[0] == '-'))
        Fail("minus sign of the plain form", x, plain);
    const std::string digits = plain.substr(negative);
    CheckGeneralDigits(x, digits);

    if (ReadNumber(plain) != Rounded15(x))
        Fail("plain form read back", x, plain);

    const std::string sign = negative ? "-" : " ";
    if (PrintItemText(x) != sign + digits + " ")
        Fail("print item form", x, PrintItemText(x));
    const bool belowOne = digits.compare(0, 2, "0.") == 0;
    if (SignedNumberText(x) != sign + (belowOne ? digits.substr(1) : digits))
        Fail("caption form", x, SignedNumberText(x));
}

// The pattern's characters around its digit places stay as they are; the number between them
// has the pattern's integer and decimal places and lies within half a last place of the
// 15-digit form of x.
void CheckPattern(double x, std::string_view pattern) {
    const std::string text = PatternText(x, pattern);
    const std::size_t lead = pattern.find_first_of("0#.");
    const std::size_t trail = pattern.size() - (pattern.find_last_of("0#.") + 1);
    if (text.size() < lead + trail || text.compare(0, lead, pattern.substr(0, lead)) != 0 ||
        text.compare(text.size() - trail, trail, pattern.substr(pattern.size() - trail)) != 0) {
        Fail("pattern literals", x, text);
    }
    const std::string_view places = pattern.substr(lead, pattern.size() - lead - trail);
    const std::size_t patternPoint = places.find('.');
    const std::size_t integerZeros =
        std::count(places.begin(), places.begin() + std::min(patternPoint, places.size()), '0');
    const std::string_view decimalPlaces =
        patternPoint == std::string_view::npos ? "" : places.substr(patternPoint + 1);
    const std::size_t decimalZeros = std::count(decimalPlaces.begin(), decimalPlaces.end(), '0');

    const std::string number = text.substr(lead, text.size() - lead - trail);
    const std::string unsignedNumber = number.substr(number[0] == '-');
    const std::size_t point = unsignedNumber.find('.');
    const std::string whole = unsignedNumber.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : unsignedNumber.substr(point + 1);
    if ((point == std::string::npos) != (patternPoint == std::string_view::npos) ||
        !AllDigits(whole) || !AllDigits(fraction) ||
        whole.size() < std::max<std::size_t>(integerZeros, 1) ||
        (whole.size() > integerZeros && whole.size() > 1 && whole[0] == '0') ||
        fraction.size() < decimalZeros || fraction.size() > decimalPlaces.size() ||
        (fraction.size() > decimalZeros && fraction.back() == '0')) {
        Fail("pattern digit places", x, text);
    }
    const double value = ReadNumber(number);
    if (number[0] == '-' && value == 0)
        Fail("minus sign on a zero", x, text);
    // The 15-digit form rounded to the decimal places, then both read as doubles.
    const double rounded = Rounded15(x);
    const double halfPlace = 0.5 * std::pow(10.0, -static_cast<double>(decimalPlaces.size()));
    if (value != rounded &&
        !(std::fabs(value - rounded) <= halfPlace * (1 + 1e-9) + std::fabs(rounded) * 5e-16))
        Fail("pattern value", x, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::string_view pattern = Patterns[data[0] % Patterns.size()];
    const double x = Value(data + 1, size - 1);
    if (!std::isfinite(x)) {
        const std::string plain = PlainNumberText(x);
        if (plain != "nan" && plain != "inf" && plain != "-inf")
            Fail("non-finite plain form", x, plain);
        return 0;
    }
    CheckGeneralForms(x);
    CheckPattern(x, pattern);
    return 0;
}
