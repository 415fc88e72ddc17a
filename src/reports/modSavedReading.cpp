#include "modSavedReading.h"

#include "modCodePage.h"

namespace orbika {

namespace {
constexpr int kShift = 85;
} // namespace

std::string ScrambleText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c) + kShift;
        if (code <= 255)
            out += static_cast<char>(code);
    }
    return out;
}

std::string UnscrambleText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c) - kShift;
        if (code >= 0)
            out += static_cast<char>(code);
    }
    return out;
}

std::string UnsavableCharacters(std::string_view utf8) {
    std::u32string seen;
    std::string found;
    for (std::size_t at = 0; at < utf8.size();) {
        // One character: a lead byte and its continuation bytes.
        std::size_t next = at + 1;
        while (next < utf8.size() && (static_cast<unsigned char>(utf8[next]) & 0xC0) == 0x80)
            ++next;
        const std::string_view character = utf8.substr(at, next - at);
        at = next;
        std::u32string missing;
        const std::string byte = Utf8ToWindows1252(character, &missing);
        if (missing.empty() && byte.size() == 1 &&
            static_cast<unsigned char>(byte[0]) <= kHighestSavedCode)
            continue;
        const char32_t key =
            missing.empty() ? char32_t(static_cast<unsigned char>(byte[0])) : missing[0];
        if (seen.find(key) != std::u32string::npos)
            continue;
        seen += key;
        if (!found.empty())
            found += ", ";
        found += character;
    }
    return found;
}

std::string FormatSavedReading(const SavedReadingLines& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += ScrambleText(line);
        out += "\r\n";
    }
    return out;
}

ParsedSavedReading ParseSavedReading(std::string_view bytes) {
    ParsedSavedReading parsed;
    if (bytes.size() > kMaxSavedFileRead)
        bytes = bytes.substr(0, kMaxSavedFileRead);
    std::size_t at = 0;
    while (parsed.lineCount < 4 && at < bytes.size()) {
        const std::size_t end = bytes.find('\r', at);
        const std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
        if (stop - at > kMaxSavedLineBytes) {
            parsed.overlong = true;
            return parsed;
        }
        parsed.lines[std::size_t(parsed.lineCount++)] = UnscrambleText(bytes.substr(at, stop - at));
        at = stop;
        if (at < bytes.size()) {
            ++at; // CR
            if (at < bytes.size() && bytes[at] == '\n')
                ++at;
        }
    }
    return parsed;
}

} // namespace orbika
