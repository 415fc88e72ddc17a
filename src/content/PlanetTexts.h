// Sign-by-sign readings for Pluto, Jupiter, Mercury and Vesta in the birth chart.

#pragma once

#include <array>
#include <string_view>

namespace orbika::content {

// Pluto by sign. Pluto spends decades in each sign, so the signs it held outside
// the birth years the program serves are left empty.
extern const std::array<std::string_view, 12> kPlutoTexts;

// Jupiter by sign: where luck and growth come from.
extern const std::array<std::string_view, 12> kJupiterTexts;

// Mercury by sign: how the reader thinks, talks, learns and decides.
extern const std::array<std::string_view, 12> kMercuryTexts;

// Vesta by sign: where drive and devotion go, and what keeps them from running dry.
extern const std::array<std::string_view, 12> kVestaTexts;

} // namespace orbika::content
