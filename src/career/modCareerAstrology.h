#pragma once
// The career profile: a career text per sign and twelve rated work attributes.

#include "financial/modFinancialAstrology.h" // ProfileAttribute

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbika {

struct CareerProfile {
    std::string Sign;
    std::string Text; // paragraphs separated by "\r\n"
    std::array<ProfileAttribute, 12> Attributes;
};

// The current Career reading: every field exactly as the entry window's controls show it.
struct CareerReading {
    std::string Name; // blanks included
    std::string Day;
    std::string Month;
    std::string Year;
    std::string Sign;
};

namespace modCareerAstrology {

inline constexpr std::array<std::string_view, 12> kAttributeLabels = {
    "Motivation", "Logic",           "Shrewdness",  "Friendliness", "Originality", "Determination",
    "Instincts",  "Inquisitiveness", "Consistency", "Energy Level", "Finance",     "Planning"};

std::int16_t Rating(int sign, int attribute);
// 1 and 2 pick their own sentence, anything else the third.
std::string_view RatingSentence(int attribute, int rating);

} // namespace modCareerAstrology

// The sign's career profile; nothing for a text that is none of the twelve sign names.
std::optional<CareerProfile> LookUpCareerProfile(std::string_view sign);

} // namespace orbika
