// Texts of the sun-sign profile (strengths, weaknesses, famous natives), in sign order.
#pragma once

#include <array>
#include <string_view>

namespace orbika::content {

// Strengths of each sun sign.
extern const std::array<std::string_view, 12> kPositiveTraits;

// Weaknesses of each sun sign, put gently.
extern const std::array<std::string_view, 12> kNegativeTraits;

// Well-known people born under each sign, separated by a comma and a blank. Birth dates
// are noted above each list in the .cpp; nobody born within two days of a sign boundary is
// included.
extern const std::array<std::string_view, 12> kFamousPersons;

} // namespace orbika::content
