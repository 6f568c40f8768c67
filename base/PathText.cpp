#include "base/PathText.h"

#include <algorithm>

bool HoldsControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

std::string ShortPathText(const std::string& path, std::size_t maxLength) {
    constexpr std::string_view kGap = "...";
    if (path.size() <= maxLength || maxLength <= kGap.size()) {
        return path;
    }
    // More of the end than of the start: the end names the file.
    const std::size_t kept = maxLength - kGap.size();
    const std::size_t start = kept / 3;
    return path.substr(0, start) + std::string(kGap) + path.substr(path.size() - (kept - start));
}
