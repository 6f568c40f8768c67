#include "batch/OptionValues.h"

#include <charconv>
#include <chrono>

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
        throw UsageError(std::string(option) + " must be \"MM-DD-YYYY HH:MM:SS\", not " +
                         QuotedText(value));
    }
    return r;
}

double OptionNumber(std::string_view option, const std::string& value, const NumberBounds& bounds) {
    try {
        return ReadCheckedNumber(value, bounds);
    } catch (const NumberRefused& refused) {
        throw UsageError(std::string(option) + " " + refused.what());
    }
}

int ReadStepMinutes(std::string_view option, const std::string& value) {
    const int minutes = static_cast<int>(OptionNumber(option, value, {1, 60, true}));
    if (60 % minutes != 0) {
        throw UsageError(std::string(option) +
                         " must be a whole number of minutes that divides 60, not " + value);
    }
    return minutes;
}

StudyShard ReadShard(std::string_view option, const std::string& value) {
    StudyShard shard;
    const char* const end = value.data() + value.size();
    const auto index = std::from_chars(value.data(), end, shard.index);
    const bool slash = index.ec == std::errc() && index.ptr != end && *index.ptr == '/';
    const auto count = slash ? std::from_chars(index.ptr + 1, end, shard.count) : index;
    // from_chars takes no sign, blank or plus; it refuses a number beyond the type.
    if (!slash || count.ec != std::errc() || count.ptr != end || shard.index >= shard.count) {
        throw UsageError(std::string(option) +
                         " must be K/N, two whole numbers with K from 0 to N - 1, not " +
                         QuotedText(value));
    }
    return shard;
}

int ReadYear(std::string_view option, const std::string& value) {
    return static_cast<int>(OptionNumber(option, value, {1800, 2200, true}));
}
