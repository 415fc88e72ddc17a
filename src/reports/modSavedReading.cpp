#include "modSavedReading.h"

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
        const std::string_view line = bytes.substr(at, std::min(stop - at, kMaxSavedLineBytes));
        parsed.lines[std::size_t(parsed.lineCount++)] = UnscrambleText(line);
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
