#include "birth/modBirthData.h"
#include "birth/modSunSignProfile.h"
#include "career/modCareerAstrology.h"
#include "financial/modFinancialAstrology.h"

#include <gtest/gtest.h>

namespace orbika {
namespace {

TEST(SunSignProfile, EverySignReplacesEveryFieldOfThePreviousOne) {
    for (std::size_t s = 0; s < kSignNames.size(); ++s) {
        SCOPED_TRACE(std::string(kSignNames[s]));
        // Start from a profile whose every field is a text no sign has.
        SunSignProfile profile{"x", "x", "x", "x", "x", "x", "x", "x", "x", "x", "x"};
        StarSignDescription(kSignNames[s], profile);
        for (const std::string* field :
             {&profile.Element, &profile.Quality, &profile.RulingPlanet, &profile.PositiveTraits,
              &profile.NegativeTraits, &profile.LuckyNumber, &profile.LuckyColor, &profile.LuckyDay,
              &profile.Compatibility, &profile.FamousPersons, &profile.BirthStone})
            EXPECT_NE(*field, "x");
    }
}

TEST(SunSignProfile, KeepsEachRowsOwnSeparatorsAndSharedValues) {
    struct Case {
        std::string_view sign;
        std::string_view compatibility;
        std::string_view luckyNumber;
        std::string_view rulingPlanet;
    };
    const Case cases[] = {
        {"Capricorn", "Taurus & Virgo", "8, 2", "Saturn"},
        {"Aquarius", "Taurus & Virgo", "1, 7", "Uranus and Saturn"},
        {"Pisces", "Taurus & Virgo", "2, 6", "Neptune and Jupiter"},
        {"Leo", "Aries & Sagittarius", "8 & 9", "The Sun"},
        {"Libra", "Aquarius and Gemini", "6 & 9", "Venus"},
        {"Gemini", "Aquarius & Libra", "5", "Mercury"},
        {"Virgo", "Capricorn & Taurus", "3 & 5", "Mercury"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sign));
        SunSignProfile profile;
        StarSignDescription(c.sign, profile);
        EXPECT_EQ(profile.Compatibility, c.compatibility);
        EXPECT_EQ(profile.LuckyNumber, c.luckyNumber);
        EXPECT_EQ(profile.RulingPlanet, c.rulingPlanet);
    }
    SunSignProfile scorpio;
    StarSignDescription("Scorpio", scorpio);
    EXPECT_EQ(scorpio,
              (SunSignProfile{"Water", "Fixed", "Pluto and Mars", scorpio.PositiveTraits,
                              scorpio.NegativeTraits, "2 & 4", "Burgundy and Black", "Tuesday",
                              "Cancer & Pisces", scorpio.FamousPersons, "Topaz"}));
}

TEST(SunSignProfile, UnknownSignLeavesTheProfileAlone) {
    SunSignProfile empty;
    for (std::string_view bad : {"aries", "", "Ophiuchus", " Aries"}) {
        StarSignDescription(bad, empty);
        EXPECT_EQ(empty, SunSignProfile{});
    }
    SunSignProfile taurus;
    StarSignDescription("Taurus", taurus);
    const SunSignProfile before = taurus;
    StarSignDescription("taurus", taurus);
    EXPECT_EQ(taurus, before);
}

TEST(FinancialProfile, SentencesFollowTheRatings) {
    struct Case {
        std::string_view sign;
        int attribute;
        std::string_view sentence;
    };
    const Case cases[] = {
        {"Aries", 0, "You are very poor at financial planning."},
        {"Aries", 2, "You have a way with making deals work out to your advantage."},
        {"Aries", 6, "You think investments are a big bore."},
        {"Cancer", 8, "You may not always be careful with money."},
        {"Taurus", 3, "You are thorough with money issues but could be better."},
        {"Capricorn", 3, "You are very particular about details."},
        {"Pisces", 11,
         "You do not know the meaning of saving money and it is spent before it "
         "comes in."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sign) + " " + std::to_string(c.attribute));
        FinancialProfile profile;
        Financial_Profile(c.sign, profile);
        EXPECT_EQ(profile.Attributes[std::size_t(c.attribute)].Sentence, c.sentence);
    }
    // Taurus and Capricorn differ in attribute 3 alone.
    FinancialProfile taurus, capricorn;
    Financial_Profile("Taurus", taurus);
    Financial_Profile("Capricorn", capricorn);
    for (std::size_t a = 0; a < 12; ++a)
        EXPECT_EQ(taurus.Attributes[a] == capricorn.Attributes[a], a != 3) << a;
}

TEST(FinancialProfile, RatingRuleTreatsAnythingAboveTwoAsThree) {
    EXPECT_EQ(modFinancialAstrology::RatingSentence(4, 1), "You are a big spender.");
    EXPECT_EQ(modFinancialAstrology::RatingSentence(4, 2),
              "You may spend depending on your moods.");
    EXPECT_EQ(modFinancialAstrology::RatingSentence(4, 3), "You do not let go of money so easily.");
    EXPECT_EQ(modFinancialAstrology::RatingSentence(4, 0), "You do not let go of money so easily.");
}

TEST(FinancialProfile, LabelsAreStoredWithTheDoubledAmpersand) {
    FinancialProfile profile;
    Financial_Profile("Leo", profile);
    EXPECT_EQ(profile.Attributes[2].Label, "Pacts && Contracts");
    EXPECT_EQ(profile.Attributes[7].Label, "Money- minded");
}

TEST(FinancialProfile, ANewSignReplacesAllAndABadNameReplacesNothing) {
    FinancialProfile profile;
    Financial_Profile("nobody", profile);
    EXPECT_EQ(profile, FinancialProfile{});

    Financial_Profile("Gemini", profile);
    const FinancialProfile gemini = profile;
    Financial_Profile("aries", profile);
    Financial_Profile("", profile);
    EXPECT_EQ(profile, gemini);

    Financial_Profile("Virgo", profile);
    FinancialProfile virgo;
    Financial_Profile("Virgo", virgo);
    EXPECT_EQ(profile, virgo);
    EXPECT_NE(profile.Text, gemini.Text);
}

TEST(CareerProfile, SentencesFollowTheRatings) {
    struct Case {
        std::string_view sign;
        int attribute;
        std::string_view sentence;
    };
    const Case cases[] = {
        {"Aries", 0, "You will be motivated only if you know it is feasible."},
        {"Aries", 1, "You make decisions from your heart."},
        {"Aries", 5, "You are highly determined."},
        {"Scorpio", 1, "You are very logical in making decisions."},
        {"Scorpio", 3, "You may not get along well with people."},
        {"Pisces", 11, "You are not very good with planning."},
        {"Taurus", 10, "You are good with numbers."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sign) + " " + std::to_string(c.attribute));
        const auto profile = LookUpCareerProfile(c.sign);
        ASSERT_TRUE(profile);
        EXPECT_EQ(profile->Attributes[std::size_t(c.attribute)].Sentence, c.sentence);
    }
    int threes = 0;
    for (int a = 0; a < 12; ++a)
        threes += modCareerAstrology::Rating(7, a) == 3;
    EXPECT_EQ(threes, 8) << "Scorpio";
}

TEST(CareerProfile, EveryRowHoldsASentenceOfItsOwnAttribute) {
    for (std::size_t s = 0; s < kSignNames.size(); ++s) {
        const auto profile = LookUpCareerProfile(kSignNames[s]);
        ASSERT_TRUE(profile);
        EXPECT_EQ(profile->Sign, kSignNames[s]);
        for (int a = 0; a < 12; ++a) {
            const std::string& sentence = profile->Attributes[std::size_t(a)].Sentence;
            EXPECT_TRUE(sentence == modCareerAstrology::RatingSentence(a, 1) ||
                        sentence == modCareerAstrology::RatingSentence(a, 2) ||
                        sentence == modCareerAstrology::RatingSentence(a, 3))
                << kSignNames[s] << " attribute " << a;
        }
    }
}

TEST(CareerProfile, UnknownSignGivesNothing) {
    for (std::string_view bad : {"aries", "", "Leo "})
        EXPECT_FALSE(LookUpCareerProfile(bad).has_value()) << bad;
}

} // namespace
} // namespace orbika
