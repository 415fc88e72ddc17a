// The built-in texts are held to the lengths their places in the windows and reports were
// designed for.

#include "content/CareerTexts.h"
#include "content/FinancialTexts.h"
#include "content/PlanetTexts.h"
#include "content/ShellTexts.h"
#include "content/SunSignTexts.h"
#include "tools/Tools.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace orbika::content {
namespace {

using Lengths = std::array<std::size_t, 12>;

void ExpectLengths(const std::array<std::string_view, 12>& texts, const Lengths& lengths,
                   const char* what) {
    for (std::size_t s = 0; s < 12; ++s)
        EXPECT_EQ(texts[s].size(), lengths[s]) << what << " of sign " << s;
}

bool IsPlainText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 32 && c < 127; });
}

TEST(Content, SunSignTraitsHaveTheirLengths) {
    ExpectLengths(kPositiveTraits, {727, 755, 745, 866, 999, 513, 717, 702, 874, 732, 754, 681},
                  "positive traits");
    ExpectLengths(kNegativeTraits, {604, 405, 526, 572, 646, 331, 366, 506, 378, 549, 655, 415},
                  "negative traits");
    for (std::size_t s = 0; s < 12; ++s) {
        EXPECT_TRUE(IsPlainText(kPositiveTraits[s])) << s;
        EXPECT_TRUE(IsPlainText(kNegativeTraits[s])) << s;
    }
}

TEST(Content, FamousPersonsAreCommaSeparatedNamesOfTheirCount) {
    const Lengths lengths = {87, 73, 89, 70, 87, 76, 76, 76, 105, 110, 85, 91};
    const Lengths names = {5, 5, 5, 5, 6, 5, 5, 5, 7, 7, 5, 5};
    ExpectLengths(kFamousPersons, lengths, "famous persons");
    for (std::size_t s = 0; s < 12; ++s) {
        const std::string_view list = kFamousPersons[s];
        std::size_t count = 1;
        for (std::size_t at = list.find(", "); at != std::string_view::npos;
             at = list.find(", ", at + 2))
            ++count;
        EXPECT_EQ(count, names[s]) << list;
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(list.back()))) << list;
    }
}

TEST(Content, FinancialTextsAreSingleParagraphsOfTheirLengths) {
    ExpectLengths(kFinancialTexts, {658, 671, 938, 691, 687, 843, 691, 797, 688, 619, 605, 931},
                  "financial text");
    for (std::string_view text : kFinancialTexts)
        EXPECT_TRUE(IsPlainText(text));
}

TEST(Content, CareerTextsHaveTheirParagraphs) {
    const std::array<std::vector<std::size_t>, 12> paragraphs = {{
        {428, 283},
        {632},
        {383},
        {199, 287, 162},
        {454, 145},
        {746},
        {814},
        {817},
        {829},
        {869},
        {674},
        {501},
    }};
    for (std::size_t s = 0; s < 12; ++s) {
        std::vector<std::size_t> found;
        std::string_view text = kCareerTexts[s];
        for (std::size_t at; (at = text.find("\r\n")) != std::string_view::npos;) {
            found.push_back(at);
            text.remove_prefix(at + 2);
        }
        found.push_back(text.size());
        EXPECT_EQ(found, paragraphs[s]) << "career text of sign " << s;
        EXPECT_EQ(kCareerTexts[s].size(),
                  std::accumulate(paragraphs[s].begin(), paragraphs[s].end(), std::size_t(0)) +
                      2 * (paragraphs[s].size() - 1));
    }
}

TEST(Content, PlanetInterpretationsHaveTheirLengths) {
    ExpectLengths(kPlutoTexts, {0, 0, 200, 205, 281, 229, 238, 207, 197, 170, 0, 0}, "Pluto");
    ExpectLengths(kJupiterTexts, {224, 208, 233, 179, 286, 246, 211, 188, 261, 181, 193, 199},
                  "Jupiter");
    ExpectLengths(kMercuryTexts, {232, 258, 304, 298, 274, 317, 288, 268, 330, 282, 302, 226},
                  "Mercury");
    ExpectLengths(kVestaTexts, {158, 189, 181, 198, 231, 172, 156, 142, 211, 193, 142, 169},
                  "Vesta");
}

// Every tool of the table has its texts: the About box names it, and a planet-sign tool has its
// introduction and a reading for every sign its table reaches.
TEST(Content, EveryToolHasItsTexts) {
    for (const Tool& tool : Tools()) {
        SCOPED_TRACE(std::string(tool.caption));
        EXPECT_NE(kAboutDescription.find(tool.caption), std::string_view::npos);
        if (!tool.planet)
            continue;
        EXPECT_FALSE(tool.planet->intro.empty());
        for (const SignChange& row : TableOf(tool.planet->body).Changes)
            EXPECT_FALSE(tool.planet->interpretations[std::size_t(row.Sign)].empty())
                << "no reading for sign " << int(row.Sign);
    }
}

TEST(Content, WindowTextsHaveTheirLengthsAndFixedWords) {
    EXPECT_EQ(kWelcomeIntro.size(), 181u);
    EXPECT_EQ(kCoBrandOffer.size(), 185u);
    EXPECT_TRUE(kCoBrandOffer.ends_with("Click Here for more info on co-branding."));
    EXPECT_EQ(kFullBrandOffer.size(), 161u);
    EXPECT_TRUE(kFullBrandOffer.starts_with("Home Business Opportunity."));
    EXPECT_TRUE(kFullBrandOffer.ends_with("Click here for more details."));
    EXPECT_EQ(kFinancialIntro.size(), 199u);
    EXPECT_EQ(kCareerIntro.size(), 214u);
    struct Intro {
        std::string_view text;
        std::size_t length;
        std::string_view opening;
    };
    for (const Intro& intro : {Intro{kPowerIntro, 349, "Orbika Zodiac Power Sign"},
                               Intro{kLuckyIntro, 296, "Orbika Zodiac Lucky Sign"},
                               Intro{kCommunicationIntro, 329, "Orbika Zodiac Communication Sign"},
                               Intro{kEnergyIntro, 281, "Orbika Zodiac Energy Sign"}}) {
        EXPECT_EQ(intro.text.size(), intro.length) << intro.opening;
        EXPECT_TRUE(intro.text.starts_with(intro.opening)) << intro.opening;
    }
    EXPECT_GE(kAboutDescription.size(), 450u);
    EXPECT_LE(kAboutDescription.size(), 550u);
}

} // namespace
} // namespace orbika::content
