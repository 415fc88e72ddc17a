#include "modSunSignProfile.h"

#include "birth/modBirthData.h"
#include "content/SunSignTexts.h"

#include <array>

namespace orbika {

namespace {

struct SunSignFacts {
    std::string_view element;
    std::string_view quality;
    std::string_view rulingPlanet;
    std::string_view luckyNumber;
    std::string_view luckyColor;
    std::string_view luckyDay;
    std::string_view compatibility;
    std::string_view birthStone;
};

// In sign order. The separators ("&", "and", a comma) are kept as each row has them.
constexpr std::array<SunSignFacts, 12> kFacts = {{
    {"Fire", "Cardinal", "Mars", "9", "Red", "Tuesday", "Leo & Sagittarius", "Diamond"},
    {"Earth", "Fixed", "Venus", "6", "Green", "Friday", "Capricorn & Virgo", "Emerald"},
    {"Air", "Mutable", "Mercury", "5", "Yellow", "Wednesday", "Aquarius & Libra", "Agate"},
    {"Water", "Cardinal", "The Moon", "2", "Silver", "Monday", "Pisces & Scorpio", "Pearl"},
    {"Fire", "Fixed", "The Sun", "8 & 9", "Gold", "Sunday", "Aries & Sagittarius", "Ruby"},
    {"Earth", "Mutable", "Mercury", "3 & 5", "Blue", "Wednesday", "Capricorn & Taurus", "Sapphire"},
    {"Air", "Cardinal", "Venus", "6 & 9", "Blue", "Friday", "Aquarius and Gemini", "Opal"},
    {"Water", "Fixed", "Pluto and Mars", "2 & 4", "Burgundy and Black", "Tuesday",
     "Cancer & Pisces", "Topaz"},
    {"Fire", "Mutable", "Jupiter", "5 & 7", "Purple", "Thursday", "Aries & Leo", "Turquoise"},
    {"Earth", "Cardinal", "Saturn", "8, 2", "Brown", "Saturday", "Taurus & Virgo", "Garnet"},
    {"Air", "Fixed", "Uranus and Saturn", "1, 7", "Violet", "Wednesday", "Taurus & Virgo",
     "Amethyst"},
    {"Water", "Mutable", "Neptune and Jupiter", "2, 6", "Sea green", "Friday", "Taurus & Virgo",
     "Aquamarine"},
}};

} // namespace

void StarSignDescription(std::string_view sign, SunSignProfile& profile) {
    const auto index = SignIndex(sign);
    if (!index)
        return;
    const auto s = std::size_t(*index);
    const SunSignFacts& facts = kFacts[s];
    profile.Element = facts.element;
    profile.Quality = facts.quality;
    profile.RulingPlanet = facts.rulingPlanet;
    profile.PositiveTraits = content::kPositiveTraits[s];
    profile.NegativeTraits = content::kNegativeTraits[s];
    profile.LuckyNumber = facts.luckyNumber;
    profile.LuckyColor = facts.luckyColor;
    profile.LuckyDay = facts.luckyDay;
    profile.Compatibility = facts.compatibility;
    profile.FamousPersons = content::kFamousPersons[s];
    profile.BirthStone = facts.birthStone;
}

} // namespace orbika
