#include "model/TypedNumber.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "base/QuotedText.h"

std::optional<std::string> TypedNumberFault(std::string_view name, std::string_view text) {
    const std::string entry(name);
    const std::string quoted = QuotedText(text);
    if (text.find_first_not_of(" \t\n") == std::string_view::npos) {
        return entry + " is empty: it needs a number.";
    }
    if (!IsStrictNumber(text)) {
        if (std::count(text.begin(), text.end(), ',') == 1) {
            std::string pointed(text);
            std::replace(pointed.begin(), pointed.end(), ',', '.');
            if (IsStrictNumber(pointed)) {
                return entry + " has a decimal comma: " + quoted + ": use a point: " + pointed +
                       ".";
            }
        }
        if (const std::optional<double> leading = ReadLeadingNumber(text)) {
            return entry + " is not a number in full: " + quoted + " would be read as " +
                   PlainNumberText(*leading) + ".";
        }
        return entry + " is not a number: " + quoted + ".";
    }
    if (const std::optional<double> value = ReadStrictNumber(text);
        !value || !std::isfinite(*value)) {
        return entry + " is too large to calculate with: " + quoted + ".";
    }
    return std::nullopt;
}
