// Per-sign paragraphs on money, spending and saving, in sign order from Aries.

#pragma once

#include <array>
#include <string_view>

namespace orbika::content {

extern const std::array<std::string_view, 12> kFinancialTexts;

} // namespace orbika::content
