#include "modFinancialAstrology.h"

#include "birth/modBirthData.h"
#include "content/FinancialTexts.h"

namespace orbika {

namespace {

// Twelve ratings per sign, in sign order; sign s starts at 12 * s.
constexpr std::array<std::int16_t, 144> kRatings = {
    1, 2, 3, 1, 1, 2, 1, 2, 1, 3, 1, 3, // Aries
    3, 1, 3, 2, 3, 1, 3, 3, 3, 1, 3, 1, // Taurus
    1, 3, 3, 1, 1, 3, 1, 1, 1, 3, 1, 3, // Gemini
    3, 1, 3, 3, 3, 1, 3, 3, 2, 1, 3, 1, // Cancer
    1, 2, 2, 2, 1, 3, 1, 3, 2, 2, 2, 3, // Leo
    3, 1, 2, 3, 3, 1, 3, 3, 3, 1, 3, 1, // Virgo
    2, 2, 1, 1, 1, 3, 2, 2, 1, 2, 1, 3, // Libra
    2, 1, 3, 2, 3, 1, 3, 2, 2, 2, 3, 2, // Scorpio
    1, 3, 2, 1, 1, 3, 2, 1, 1, 3, 1, 3, // Sagittarius
    3, 1, 3, 3, 3, 1, 3, 3, 3, 1, 3, 1, // Capricorn
    2, 2, 1, 1, 2, 3, 3, 2, 2, 3, 2, 2, // Aquarius
    1, 3, 1, 1, 2, 3, 2, 1, 1, 2, 1, 3, // Pisces
};

constexpr std::array<int, 12> kSignStarts = {0, 12, 24, 36, 48, 60, 72, 84, 96, 108, 120, 132};

// One list per rating value, indexed by attribute.
constexpr std::array<std::array<std::string_view, 12>, 3> kSentences = {{
    {
        "You are very poor at financial planning.",
        "You worry a lot about money.",
        "You are very bad at making contracts with people.",
        "You are as careless as possible where money is concerned.",
        "You are a big spender.",
        "You do not believe in sharing a penny.",
        "You think investments are a big bore.",
        "Money makes no difference to your personality.",
        "You cannot be trusted with money.",
        "You will not take any risk where money is concerned.",
        "You do not believe in saving a single penny.",
        "If possible, you will not spend a single penny.",
    },
    {
        "You may not be an expert but you manage money well.",
        "You do tend to think about your future at times.",
        "You may get your way in a few deals.",
        "You are thorough with money issues but could be better.",
        "You may spend depending on your moods.",
        "You may not be very generous with money.",
        "You believe in investing in a few ventures but a more established method is preferred.",
        "You may not be very money minded.",
        "You may not always be careful with money.",
        "You are willing to take a few risks.",
        "You may hoard for the future.",
        "You may not be a big spender but do your bit.",
    },
    {
        "You are very good at financial planning and money management.",
        "You do not believe in saving for the rainy day.",
        "You have a way with making deals work out to your advantage.",
        "You are very particular about details.",
        "You do not let go of money so easily.",
        "You are very generous and always have money for others.",
        "You have a keen sense in investing money.",
        "Money matters a lot to you.",
        "You are very careful with money.",
        "You believe in taking risks to increase your investments.",
        "You believe in hoarding and saving money.",
        "You do not know the meaning of saving money and it is spent before it comes in.",
    },
}};

} // namespace

namespace modFinancialAstrology {

std::int16_t Rating(int sign, int attribute) {
    return kRatings[std::size_t(kSignStarts[std::size_t(sign)] + attribute)];
}

std::string_view RatingSentence(int attribute, int rating) {
    const int list = rating == 1 ? 0 : rating == 2 ? 1 : 2;
    return kSentences[std::size_t(list)][std::size_t(attribute)];
}

} // namespace modFinancialAstrology

void Financial_Profile(std::string_view sign, FinancialProfile& profile) {
    const auto index = SignIndex(sign);
    if (!index)
        return;
    profile.Text = content::kFinancialTexts[std::size_t(*index)];
    for (int a = 0; a < 12; ++a) {
        ProfileAttribute& attribute = profile.Attributes[std::size_t(a)];
        attribute.Label = modFinancialAstrology::kAttributeLabels[std::size_t(a)];
        attribute.Sentence =
            modFinancialAstrology::RatingSentence(a, modFinancialAstrology::Rating(*index, a));
    }
}

} // namespace orbika
