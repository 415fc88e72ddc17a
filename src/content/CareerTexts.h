// Per-sign texts on work and career, in sign order; paragraphs are separated by CRLF.

#pragma once

#include <array>
#include <string_view>

namespace orbika::content {

extern const std::array<std::string_view, 12> kCareerTexts;

} // namespace orbika::content
