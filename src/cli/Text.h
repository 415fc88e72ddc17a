#pragma once
// Text checks for orbika-reading: what may reach a terminal and a JSON document.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orbika::cli {

// The number of characters of a well-formed UTF-8 text (no overlong forms, no surrogates,
// nothing above U+10FFFF), or nothing when the text is not UTF-8.
std::optional<std::size_t> Utf8Length(std::string_view text);

// The text with every control character shown as a visible escape (\x1B, \u0085), so that a name
// or a path cannot move the cursor, recolour or retitle the terminal it is printed to.
std::string Visible(std::string_view utf8);

} // namespace orbika::cli
