#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace {

constexpr int kSignificantDigits = 15;

// A positive or zero finite magnitude rounded to 15 significant digits: the digits and the
// decimal exponent of the first one. Formatting goes through to_chars, which ignores the locale.
struct Decimal {
    std::string digits;
    int exponent;
};

Decimal Rounded15(double magnitude) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, magnitude,
                                   std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
    // text is "d.dddddddddddddde+XX" with an exponent of two or three digits.
    char* e = std::find(text, end, 'e');
    Decimal decimal{std::string(1, text[0]) + std::string(text + 2, e), 0};
    std::from_chars(e + 2, end, decimal.exponent);
    if (e[1] == '-') {
        decimal.exponent = -decimal.exponent;
    }
    return decimal;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string NonFiniteDigits(double x) {
    return std::isnan(x) ? "nan" : "inf";
}

// Digits of the general form for a magnitude: 15 significant digits without trailing zeros,
// exponent form when the decimal exponent is below -4 or above 14.
std::string GeneralDigits(double magnitude, bool zeroBeforePoint) {
    if (!std::isfinite(magnitude)) {
        return NonFiniteDigits(magnitude);
    }
    if (magnitude == 0) {
        return "0";
    }
    Decimal decimal = Rounded15(magnitude);
    std::string& digits = decimal.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    const int exponent = decimal.exponent;
    if (exponent < -4 || exponent > 14) {
        std::string text = digits.substr(0, 1);
        if (digits.size() > 1) {
            text += '.' + digits.substr(1);
        }
        const std::string power = std::to_string(std::abs(exponent));
        return text + (exponent < 0 ? "E-" : "E+") + (power.size() < 2 ? "0" : "") + power;
    }
    if (exponent < 0) {
        return (zeroBeforePoint ? "0." : ".") + std::string(-exponent - 1, '0') + digits;
    }
    const std::size_t integerDigits = exponent + 1;
    if (digits.size() <= integerDigits) {
        return digits + std::string(integerDigits - digits.size(), '0');
    }
    return digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
}

// Negative zero and NaN take no minus sign.
std::string SignPosition(double x) {
    return x < 0 ? "-" : " ";
}

struct Pattern {
    std::string_view lead;
    std::string_view trail;
    std::size_t minIntegerDigits = 0;
    bool point = false;
    int decimals = 0;
    std::size_t minDecimals = 0;
};

// The number part is the first run of digit places and one point; the characters around it are
// copied as they stand.
Pattern ParsePattern(std::string_view text) {
    Pattern pattern;
    const std::size_t begin = std::min(text.find_first_of("0#."), text.size());
    std::size_t end = begin;
    for (; end < text.size(); ++end) {
        const char c = text[end];
        if (c == '.' && !pattern.point) {
            pattern.point = true;
        } else if (c != '0' && c != '#') {
            break;
        } else if (pattern.point) {
            ++pattern.decimals;
            pattern.minDecimals += c == '0';
        } else {
            pattern.minIntegerDigits += c == '0';
        }
    }
    pattern.lead = text.substr(0, begin);
    pattern.trail = text.substr(end);
    return pattern;
}

// The digits of magnitude * 10^decimals, rounded half away from zero from the magnitude's
// 15-digit form, so that values such as 1.0005 round as they are written.
std::string ScaledDigits(double magnitude, int decimals) {
    const Decimal decimal = Rounded15(magnitude);
    const auto digitAt = [&](int place) {
        const int index = decimal.exponent - place;
        return index >= 0 && index < kSignificantDigits ? decimal.digits[index] : '0';
    };
    std::string scaled;
    for (int place = std::max(decimal.exponent, 0); place >= -decimals; --place) {
        scaled += digitAt(place);
    }
    if (digitAt(-decimals - 1) >= '5') {
        auto digit = scaled.rbegin();
        for (; digit != scaled.rend() && *digit == '9'; ++digit) {
            *digit = '0';
        }
        if (digit == scaled.rend()) {
            scaled.insert(scaled.begin(), '1');
        } else {
            ++*digit;
        }
    }
    return scaled;
}

// Saturates above the length of any text that can be held in memory, so that long digit runs
// cannot overflow and an exponent always outweighs the place of the first significant digit.
constexpr std::int64_t kExponentCap = std::numeric_limits<std::int64_t>::max() / 10 - 1;

std::int64_t ExponentValue(std::string_view digits) {
    std::int64_t value = 0;
    for (const char c : digits) {
        value = std::min(value * 10 + (c - '0'), kExponentCap);
    }
    return value;
}

}  // namespace

std::string PatternText(double x, std::string_view patternText) {
    const Pattern pattern = ParsePattern(patternText);
    std::string text(pattern.lead);
    if (!std::isfinite(x)) {
        text += (x < 0 ? "-" : "") + NonFiniteDigits(x);
        return text.append(pattern.trail);
    }
    const std::string scaled = ScaledDigits(std::fabs(x), pattern.decimals);
    std::string integer = scaled.substr(0, scaled.size() - pattern.decimals);
    std::string fraction = scaled.substr(integer.size());
    const std::size_t leadingZeros = std::min(integer.find_first_not_of('0'), integer.size());
    if (integer.size() < pattern.minIntegerDigits) {
        integer.insert(0, pattern.minIntegerDigits - integer.size(), '0');
    }
    integer.erase(0, std::min(leadingZeros, integer.size() - pattern.minIntegerDigits));
    while (fraction.size() > pattern.minDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (x < 0 && scaled.find_first_not_of('0') != std::string::npos) {
        text += '-';
    }
    text += integer;
    if (pattern.point) {
        text += '.' + fraction;
    }
    return text.append(pattern.trail);
}

std::string SignedNumberText(double x) {
    return SignPosition(x) + GeneralDigits(std::fabs(x), false);
}

std::string PrintItemText(double x) {
    return SignPosition(x) + GeneralDigits(std::fabs(x), true) + ' ';
}

std::string PlainNumberText(double x) {
    return (x < 0 ? "-" : "") + GeneralDigits(std::fabs(x), true);
}

std::string RoundTripText(double x) {
    std::string text;
    AppendRoundTripText(text, x);
    return text;
}

void AppendRoundTripText(std::string& out, double x) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, x);
    out.append(text, end.ptr);
}

std::optional<double> ReadLeadingNumber(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }
    std::size_t at = 0;
    const auto takeOne = [&](std::string_view accepted) {
        const bool found = at < compact.size() && accepted.find(compact[at]) != accepted.npos;
        return found ? compact[at++] : '\0';
    };
    const auto takeDigits = [&] {
        const std::size_t start = at;
        while (at < compact.size() && IsDigit(compact[at])) {
            ++at;
        }
        return std::string_view(compact).substr(start, at - start);
    };

    const bool negative = takeOne("+-") == '-';
    const std::string_view whole = takeDigits();
    const std::string_view fraction = takeOne(".") ? takeDigits() : "";
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    const bool exponentMark = takeOne("EeDd");
    const bool exponentNegative = exponentMark && takeOne("+-") == '-';
    const std::string_view exponent = exponentMark ? takeDigits() : "";

    // Rewritten in the one form from_chars reads.
    std::string number = (whole.empty() ? "0" : std::string(whole)) + '.' + std::string(fraction);
    if (!exponent.empty()) {
        number += (exponentNegative ? "e-" : "e") + std::string(exponent);
    }
    double value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec ==
        std::errc::result_out_of_range) {
        // Out of range either way: the place of the first significant digit tells which.
        const std::string mantissa = std::string(whole) + std::string(fraction);
        const std::int64_t firstPlace = static_cast<std::int64_t>(whole.size()) - 1 -
                                        static_cast<std::int64_t>(mantissa.find_first_not_of('0'));
        const std::int64_t power =
            exponentNegative ? -ExponentValue(exponent) : ExponentValue(exponent);
        value = firstPlace + power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

double ReadNumber(std::string_view text) {
    return ReadLeadingNumber(text).value_or(0);
}

bool IsStrictNumber(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    const std::size_t end = text.find_last_not_of(' ') + 1;
    if (at == std::string_view::npos)
        return false;
    const auto digitsAt = [&] {
        const std::size_t start = at;
        while (at < end && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at - start;
    };
    if (text[at] == '+' || text[at] == '-')
        ++at;
    std::size_t digits = digitsAt();
    if (at < end && text[at] == '.') {
        ++at;
        digits += digitsAt();
    }
    if (digits == 0)
        return false;
    if (at < end && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < end && (text[at] == '+' || text[at] == '-'))
            ++at;
        if (digitsAt() == 0)
            return false;
    }
    return at == end;
}

std::optional<double> ReadStrictNumber(std::string_view text) {
    if (!IsStrictNumber(text))
        return std::nullopt;
    text.remove_prefix(text.find_first_not_of(" +"));
    double x = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), x);
    if (error != std::errc())
        return std::nullopt;
    return x;
}
