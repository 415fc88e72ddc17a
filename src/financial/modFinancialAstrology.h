#pragma once
// The financial profile: a money paragraph per sign and twelve rated money attributes.

#include "birth/modSunSignProfile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbika {

struct ProfileAttribute {
    std::string Label;
    std::string Sentence;

    bool operator==(const ProfileAttribute&) const = default;
};

struct FinancialProfile {
    std::string Text;
    std::array<ProfileAttribute, 12> Attributes;

    bool operator==(const FinancialProfile&) const = default;
};

// The current Financial reading, written by the entry window's Proceed.
struct FinancialReading {
    std::string Name; // as typed, leading and trailing blanks removed
    std::int16_t Day = 0;
    std::string Month;
    std::int16_t Year = 0;
    std::string Sign;
    SunSignProfile SunSign;
    FinancialProfile Financial;
};

namespace modFinancialAstrology {

// Labels as stored: a label control shows "&&" as one "&", so attribute 2 reads
// "Pacts & Contracts" on screen and is written with both ampersands in the report.
inline constexpr std::array<std::string_view, 12> kAttributeLabels = {"Financial Planning",
                                                                      "No Worry",
                                                                      "Pacts && Contracts",
                                                                      "Meticulous",
                                                                      "Prudent",
                                                                      "Generosity",
                                                                      "Investments",
                                                                      "Money- minded",
                                                                      "Trustworthy",
                                                                      "Risks",
                                                                      "Hoard",
                                                                      "Spendthrift"};

// Rating of sign s for attribute a, 1 to 3, at position 12 * s + a.
std::int16_t Rating(int sign, int attribute);

// The verdict of attribute a for a rating: 1 and 2 pick their own sentence, anything else the
// third.
std::string_view RatingSentence(int attribute, int rating);

} // namespace modFinancialAstrology

// Replaces `profile` with the sign's financial profile; a text that is none of the twelve sign
// names leaves it unchanged.
void Financial_Profile(std::string_view sign, FinancialProfile& profile);

} // namespace orbika
