#include "modCodePage.h"

#include <array>

namespace orbika {

namespace {

// Code points of the bytes 80 to 9F; the undefined five keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

int ByteOf(char32_t point) {
    if (point < 0x80 || (point >= 0xA0 && point <= 0xFF))
        return int(point);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == point)
            return int(0x80 + i);
    }
    return -1;
}

void AppendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += char(point);
    } else if (point < 0x800) {
        out += char(0xC0 | (point >> 6));
        out += char(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += char(0xE0 | (point >> 12));
        out += char(0x80 | ((point >> 6) & 0x3F));
        out += char(0x80 | (point & 0x3F));
    } else {
        out += char(0xF0 | (point >> 18));
        out += char(0x80 | ((point >> 12) & 0x3F));
        out += char(0x80 | ((point >> 6) & 0x3F));
        out += char(0x80 | (point & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `at`, advancing it; U+FFFD for a malformed one.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t point = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        point = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        point = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        point = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int i = 0; i < extra; ++i) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            return 0xFFFD;
        point = (point << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    return point;
}

} // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        AppendUtf8(out, CodePoint(static_cast<unsigned char>(byte)));
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8, std::u32string* missing) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t point = NextCodePoint(utf8, at);
        const int byte = ByteOf(point);
        if (byte >= 0)
            out += char(byte);
        else if (missing)
            *missing += point;
    }
    return out;
}

} // namespace orbika
