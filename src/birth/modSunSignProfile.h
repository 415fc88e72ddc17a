#pragma once
// The sun-sign profile of the Financial reading: eleven texts per sign.

#include <string>
#include <string_view>

namespace orbika {

struct SunSignProfile {
    std::string Element;
    std::string Quality;
    std::string RulingPlanet;
    std::string PositiveTraits;
    std::string NegativeTraits;
    std::string LuckyNumber;
    std::string LuckyColor;
    std::string LuckyDay;
    std::string Compatibility;
    std::string FamousPersons;
    std::string BirthStone;

    bool operator==(const SunSignProfile&) const = default;
};

// Replaces every field of `profile` with the sign's values; a text that is none of the twelve sign
// names leaves it unchanged.
void StarSignDescription(std::string_view sign, SunSignProfile& profile);

} // namespace orbika
