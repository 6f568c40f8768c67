// ReadNumber of any bytes equals the C library's strtod of the prefix that the reading rule
// accepts, to the last bit and the sign of zero.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "base/NumberText.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Blanks, tabs and line feeds dropped; then sign, digits, point and digits, and an exponent
// only when digits follow its mark, which becomes "e" for strtod. Empty without a digit.
std::string AcceptedPrefix(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    }
    std::size_t at = 0;
    const auto skipDigits = [&] {
        const std::size_t start = at;
        while (at < compact.size() && IsDigit(compact[at]))
            ++at;
        return at - start;
    };
    const auto skipOneOf = [&](std::string_view accepted) {
        const bool found = at < compact.size() && accepted.find(compact[at]) != accepted.npos;
        at += found;
        return found;
    };
    skipOneOf("+-");
    std::size_t mantissaDigits = skipDigits();
    if (skipOneOf("."))
        mantissaDigits += skipDigits();
    if (mantissaDigits == 0)
        return {};
    std::size_t end = at;
    const std::size_t mark = at;
    if (skipOneOf("EeDd")) {
        skipOneOf("+-");
        if (skipDigits() > 0) {
            end = at;
            compact[mark] = 'e';
        }
    }
    return compact.substr(0, end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string prefix = AcceptedPrefix(text);
    const double expected = prefix.empty() ? 0.0 : std::strtod(prefix.c_str(), nullptr);
    const double read = ReadNumber(text);
    if (std::memcmp(&read, &expected, sizeof read) != 0) {
        std::fprintf(stderr, "ReadNumber(\"%s\") = %a, strtod(\"%s\") = %a\n",
                     std::string(text).c_str(), read, prefix.c_str(), expected);
        std::abort();
    }
    return 0;
}
