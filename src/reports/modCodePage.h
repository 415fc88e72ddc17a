#pragma once
// Saved reading files and the reminder date are single-byte Windows-1252 text; the program works
// in UTF-8. These convert at that boundary only.

#include <string>
#include <string_view>

namespace orbika {

// Bytes to UTF-8. The five bytes that Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D) map to
// the control characters of the same number, so that every byte survives a round trip.
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF-8 to bytes. Characters that have no Windows-1252 byte are left out and collected, in the
// order met, in `missing` (when given). Invalid UTF-8 counts as missing U+FFFD.
std::string Utf8ToWindows1252(std::string_view utf8, std::u32string* missing = nullptr);

} // namespace orbika
