#pragma once
// Saved reading files (".zod" for Financial, ".cwc" for Career readings): four lines of birth
// data - name, month, day, year - each scrambled, each ending in CR LF, in Windows-1252 bytes.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orbika {

// The program's own reversible shift on single-byte codes: +85 to scramble, -85 to unscramble;
// a code that would leave 0..255 is dropped. Bytes in, bytes out.
std::string ScrambleText(std::string_view bytes);
std::string UnscrambleText(std::string_view bytes);

// The highest code that survives ScrambleText.
inline constexpr unsigned char kHighestSavedCode = 170;

// The characters of a UTF-8 text that a saved line cannot hold (no Windows-1252 byte, or a byte
// above kHighestSavedCode), each named once, in order, separated by ", ". Empty when all fit.
std::string UnsavableCharacters(std::string_view utf8);

// Name, month, day and year, as the file holds them before scrambling (Windows-1252 bytes).
using SavedReadingLines = std::array<std::string, 4>;

// The file's bytes: each line scrambled and followed by CR LF.
std::string FormatSavedReading(const SavedReadingLines& lines);

// The longest line the reader takes: a name box holds at most as many characters (one byte each
// in the file), so whatever Save writes comes back whole.
inline constexpr std::size_t kMaxSavedLineBytes = 255;
// Bounds how much of a file is ever read: four lines and their endings, with room to see that a
// line is too long.
inline constexpr std::size_t kMaxSavedFileRead = 4 * (kMaxSavedLineBytes + 2) + 1;

struct ParsedSavedReading {
    SavedReadingLines lines; // unscrambled; empty where the file has no such line
    int lineCount = 0;       // lines actually present, at most four
    bool overlong = false;   // a line is longer than kMaxSavedLineBytes: the file is refused
};

// Reads the first four lines of a file's bytes: a line ends at CR or at CR LF (LF alone does not
// end one). A line longer than kMaxSavedLineBytes is never cut: it marks the reading overlong.
ParsedSavedReading ParseSavedReading(std::string_view bytes);

} // namespace orbika
