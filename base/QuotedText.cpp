#include "base/QuotedText.h"

namespace {

// The length of the well-formed UTF-8 sequence starting at `at`, 0 when there is none there.
// The C1 controls (U+0080 to U+009F) count as not well formed: terminals obey them too.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        low = lead == 0xC2 ? 0xA0 : 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || at + length > text.size() || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(k) < 0x80 || byte(k) > 0xBF)
            return 0;
    }
    return length;
}

void AppendEscaped(std::string& out, unsigned char c) {
    constexpr char Hex[] = "0123456789abcdef";
    out += "\\x";
    out += Hex[c >> 4];
    out += Hex[c & 0xF];
}

}  // namespace

std::string QuotedText(std::string_view text) {
    std::string quoted = "\"";
    std::size_t shown = 0;
    std::size_t at = 0;
    for (; at < text.size() && shown < QuotedTextLimit; ++shown) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c >= 0x20 && c < 0x7F) {
            quoted += text[at++];
        } else if (const std::size_t length = c >= 0x80 ? Utf8SequenceLength(text, at) : 0) {
            quoted.append(text, at, length);
            at += length;
        } else {
            AppendEscaped(quoted, c);
            ++at;
        }
    }
    if (at < text.size())
        quoted += "...";
    return quoted + '"';
}
