#include "modCareerAstrology.h"

#include "birth/modBirthData.h"
#include "content/CareerTexts.h"

namespace orbika {

namespace {

// One list per attribute, one rating per sign in sign order.
constexpr std::array<std::array<std::int16_t, 12>, 12> kRatings = {{
    {2, 3, 1, 2, 3, 2, 1, 3, 1, 3, 2, 1}, // Motivation
    {1, 2, 1, 2, 1, 3, 2, 3, 1, 2, 2, 2}, // Logic
    {2, 3, 2, 3, 1, 3, 1, 3, 1, 3, 1, 1}, // Shrewdness
    {1, 2, 3, 2, 2, 2, 3, 1, 3, 1, 2, 3}, // Friendliness
    {2, 1, 3, 2, 3, 1, 3, 1, 2, 1, 3, 3}, // Originality
    {3, 3, 1, 3, 3, 1, 1, 3, 2, 3, 3, 1}, // Determination
    {1, 1, 2, 3, 2, 1, 2, 3, 1, 1, 2, 3}, // Instincts
    {2, 3, 2, 1, 2, 2, 1, 3, 2, 2, 2, 1}, // Inquisitiveness
    {1, 3, 1, 3, 2, 3, 2, 2, 1, 3, 2, 1}, // Consistency
    {3, 1, 3, 1, 3, 1, 2, 2, 3, 1, 3, 1}, // Energy Level
    {1, 3, 2, 3, 1, 3, 1, 3, 1, 3, 2, 1}, // Finance
    {1, 3, 2, 2, 2, 2, 1, 3, 2, 3, 3, 2}, // Planning
}};

// One list per rating value, indexed by attribute.
constexpr std::array<std::array<std::string_view, 12>, 3> kSentences = {{
    {
        "You have low motivation.",
        "You make decisions from your heart.",
        "You are very straightforward.",
        "You may not get along well with people.",
        "You are not creative in your ideas.",
        "You may not be very determined to achieve your goals.",
        "You have zero instincts.",
        "You are not inquisitive about issues and people.",
        "You have a lot of ups and downs in your performance.",
        "You have low energy level.",
        "You are very bad with finances.",
        "You have poor planning and strategy skills.",
    },
    {
        "You will be motivated only if you know it is feasible.",
        "You have moderate logical thinking ability.",
        "You may not be very shrewd.",
        "You may get along only with a selected people.",
        "You may be able to come up with few original ideas.",
        "You are determined to complete your job.",
        "You may have moderate intuition.",
        "You may not be very inquisitive about others.",
        "You may have periods of low performance.",
        "You may have ups and downs in your energy level.",
        "You may be an average finance manager.",
        "You are not very good with planning.",
    },
    {
        "You can go to any extent to realize your dreams.",
        "You are very logical in making decisions.",
        "You are highly shrewd.",
        "You get along well with people.",
        "You can come with great original ideas.",
        "You are highly determined.",
        "You have good instincts.",
        "You are highly inquisitive about all issues.",
        "You are consistent in your performance.",
        "You have a very high energy level.",
        "You are good with numbers.",
        "You are good at planning and organization.",
    },
}};

} // namespace

namespace modCareerAstrology {

std::int16_t Rating(int sign, int attribute) {
    return kRatings[std::size_t(attribute)][std::size_t(sign)];
}

std::string_view RatingSentence(int attribute, int rating) {
    const int list = rating == 1 ? 0 : rating == 2 ? 1 : 2;
    return kSentences[std::size_t(list)][std::size_t(attribute)];
}

} // namespace modCareerAstrology

std::optional<CareerProfile> LookUpCareerProfile(std::string_view sign) {
    const auto index = SignIndex(sign);
    if (!index)
        return std::nullopt;
    CareerProfile profile;
    profile.Sign = kSignNames[std::size_t(*index)];
    profile.Text = content::kCareerTexts[std::size_t(*index)];
    for (int a = 0; a < 12; ++a) {
        ProfileAttribute& attribute = profile.Attributes[std::size_t(a)];
        attribute.Label = modCareerAstrology::kAttributeLabels[std::size_t(a)];
        attribute.Sentence =
            modCareerAstrology::RatingSentence(a, modCareerAstrology::Rating(*index, a));
    }
    return profile;
}

} // namespace orbika
