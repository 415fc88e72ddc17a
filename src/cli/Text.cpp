#include "Text.h"

#include <cstdio>

namespace orbika::cli {

std::optional<std::size_t> Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++at;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (at + length > text.size())
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        at += length;
    }
    return count;
}

std::string Visible(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    char escape[8];
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else if (byte == 0xC2 && at + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[at + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[at + 1]) <= 0x9F) {
            // U+0080 to U+009F: the C1 controls, which terminals obey too.
            std::snprintf(escape, sizeof escape, "\\u%04X",
                          unsigned(static_cast<unsigned char>(utf8[++at])));
            out += escape;
        } else {
            out += utf8[at];
        }
    }
    return out;
}

} // namespace orbika::cli
