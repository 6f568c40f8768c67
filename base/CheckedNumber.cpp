#include "base/CheckedNumber.h"

#include <cmath>

#include "base/NumberText.h"
#include "base/QuotedText.h"

double ReadCheckedNumber(std::string_view text, const NumberBounds& bounds) {
    if (!IsStrictNumber(text))
        throw NumberRefused("must be a number, not " + QuotedText(text));
    const std::optional<double> value = ReadStrictNumber(text);
    if (!value)
        throw NumberRefused("must be a number a double can hold, not " + QuotedText(text));
    return CheckedNumber(*value, text, bounds);
}

double CheckedNumber(double value, std::string_view text, const NumberBounds& bounds) {
    if (!std::isfinite(value))
        throw NumberRefused("must be a finite number, not " + QuotedText(text));
    if (value < bounds.low || value > bounds.high) {
        throw NumberRefused("must lie between " + PlainNumberText(bounds.low) + " and " +
                            PlainNumberText(bounds.high) + ", not " + QuotedText(text));
    }
    if (bounds.whole && value != std::trunc(value))
        throw NumberRefused("must be a whole number, not " + QuotedText(text));
    return value;
}
