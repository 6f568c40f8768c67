#include "batch/OptionValues.h"

#include <optional>
#include <chrono>

#include "base/NumberText.h"

namespace {

// Every '9' of the shape stands for a digit; the other characters stand as they are.
bool HasShape(std::string_view value, std::string_view shape) {
    if (value.size() != shape.size())
        return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = value[i] >= '0' && value[i] <= '9';
        if (shape[i] == '9' ? !digit : value[i] != shape[i])
            return false;
    }
    return true;
}

}  // namespace

ClockReading ReadTimestamp(std::string_view option, const std::string& value) {
    bool valid = HasShape(value, "99-99-9999 99:99:99");
    ClockReading r{};
    if (valid) {
        const auto field = [&](std::size_t at, std::size_t length) {
            return std::stoi(value.substr(at, length));
        };
        r = {field(6, 4), field(0, 2), field(3, 2), field(11, 2), field(14, 2), field(17, 2)};
        using namespace std::chrono;
        const year_month_day date{year{r.year}, month{static_cast<unsigned>(r.month)},
                                  day{static_cast<unsigned>(r.day)}};
        valid = r.year >= 1 && date.ok() && r.hour <= 23 && r.minute <= 59 && r.second <= 59;
    }
    if (!valid) {
        throw UsageError(std::string(option) + " must be \"MM-DD-YYYY HH:MM:SS\", not \"" + value +
                         "\"");
    }
    return r;
}

double StrictNumber(std::string_view option, const std::string& value, double low, double high) {
    const std::optional<double> read = ReadStrictNumber(value);
    if (!read)
        throw UsageError(std::string(option) + " must be a number, not \"" + value + "\"");
    const double x = *read;
    if (x < low || x > high) {
        throw UsageError(std::string(option) + " must lie between " + PlainNumberText(low) +
                         " and " + PlainNumberText(high) + ", not " + value);
    }
    return x;
}

int ReadStepMinutes(std::string_view option, const std::string& value) {
    const double minutes = StrictNumber(option, value, 1, 60);
    const int whole = static_cast<int>(minutes);
    if (whole != minutes || 60 % whole != 0) {
        throw UsageError(std::string(option) +
                         " must be a whole number of minutes that divides 60, not " + value);
    }
    return whole;
}

int ReadYear(std::string_view option, const std::string& value) {
    const double year = StrictNumber(option, value, 1800, 2200);
    if (year != static_cast<int>(year))
        throw UsageError(std::string(option) + " must be a whole year, not " + value);
    return static_cast<int>(year);
}
