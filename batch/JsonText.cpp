#include "batch/JsonText.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "base/NumberText.h"

namespace {

void Append(std::string& out, const nlohmann::json& value) {
    if (value.is_number_float()) {
        const double x = value.get<double>();
        if (std::isfinite(x))
            AppendRoundTripText(out, x);
        else
            out += "null";
    } else if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            if (!first)
                out += ',';
            first = false;
            out += nlohmann::json(key).dump();
            out += ':';
            Append(out, item);
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        for (std::size_t k = 0; k < value.size(); ++k) {
            if (k > 0)
                out += ',';
            Append(out, value[k]);
        }
        out += ']';
    } else {
        out += value.dump();
    }
}

}  // namespace

std::string JsonText(const nlohmann::json& value) {
    std::string out;
    Append(out, value);
    return out;
}
