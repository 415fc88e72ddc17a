#include "birth/modBirthData.h"

#include <gtest/gtest.h>

namespace orbika {
namespace {

constexpr int kFebruary = 1, kMarch = 2, kApril = 3, kMay = 4, kJune = 5, kSeptember = 8,
              kNovember = 10, kJanuary = 0;

struct DateCase {
    const char* name;
    int day;
    int monthPosition;
    int year;
    std::string_view message; // empty: accepted
};

class DateCheck : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateCheck, GivesTheDesignedVerdict) {
    const DateCase& c = GetParam();
    for (const NameRule rule : {NameRule::Financial, NameRule::Career, NameRule::PlanetSign}) {
        const BirthDataVerdict verdict =
            ValidateBirthData(rule, "Ada", c.day - 1, c.monthPosition, c.year);
        EXPECT_EQ(verdict.accepted, c.message.empty());
        EXPECT_EQ(verdict.message, c.message);
        if (!verdict.accepted) {
            EXPECT_EQ(verdict.icon, VerdictIcon::Information);
            EXPECT_FALSE(verdict.clearName);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateCheck,
    ::testing::Values(DateCase{"Feb29of1900AcceptedAsEveryFourthYearIsLeap", 29, kFebruary, 1900,
                               ""},
                      DateCase{"Feb29of2000Accepted", 29, kFebruary, 2000, ""},
                      DateCase{"Feb29of2004Accepted", 29, kFebruary, 2004, ""},
                      DateCase{"Feb28of2001Accepted", 28, kFebruary, 2001, ""},
                      DateCase{"Apr30Accepted", 30, kApril, 1975, ""},
                      DateCase{"May31Accepted", 31, kMay, 1975, ""},
                      DateCase{"Jan1Accepted", 1, kJanuary, 1900, ""},
                      DateCase{"Mar31Accepted", 31, kMarch, 1999, ""},
                      DateCase{"Feb29of2001Refused", 29, kFebruary, 2001, kMsgBadFebruaryDate},
                      DateCase{"Feb30of2004RefusedAsFebruaryNotThirtyDayMonth", 30, kFebruary, 2004,
                               kMsgBadFebruaryDate},
                      DateCase{"Feb31of1900Refused", 31, kFebruary, 1900, kMsgBadFebruaryDate},
                      DateCase{"Apr31Refused", 31, kApril, 1980, kMsgBadThirtyDayMonthDate},
                      DateCase{"Jun31Refused", 31, kJune, 1980, kMsgBadThirtyDayMonthDate},
                      DateCase{"Sep31Refused", 31, kSeptember, 1980, kMsgBadThirtyDayMonthDate},
                      DateCase{"Nov31Refused", 31, kNovember, 1980, kMsgBadThirtyDayMonthDate}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NameCheck, EachWindowTreatsBlankNamesItsOwnWay) {
    struct Case {
        NameRule rule;
        std::string_view name;
        bool accepted;
        std::string_view message;
        VerdictIcon icon;
        bool clearName;
    };
    const Case cases[] = {
        {NameRule::Financial, "", false, kMsgEnterYourName, VerdictIcon::Error, false},
        {NameRule::Financial, "   ", false, kMsgEnterYourName, VerdictIcon::Error, false},
        {NameRule::Career, "   ", false, kMsgEnterYourNameCareer, VerdictIcon::Error, true},
        {NameRule::PlanetSign, "", false, kMsgEnterYourName, VerdictIcon::Information, false},
        {NameRule::PlanetSign, "   ", true, "", VerdictIcon::Information, false},
        {NameRule::Financial, " Ada ", true, "", VerdictIcon::Information, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("name '") + std::string(c.name) + "'");
        const BirthDataVerdict verdict = ValidateBirthData(c.rule, c.name, 0, 0, 1950);
        EXPECT_EQ(verdict.accepted, c.accepted);
        EXPECT_EQ(verdict.message, c.message);
        if (!c.accepted) {
            EXPECT_EQ(verdict.icon, c.icon);
            EXPECT_EQ(verdict.clearName, c.clearName);
            EXPECT_TRUE(verdict.focusName);
        }
    }
}

TEST(NameCheck, ABlankNameStopsBeforeTheDateIsLookedAt) {
    const BirthDataVerdict verdict = ValidateBirthData(NameRule::Financial, "", 30, kApril, 1980);
    EXPECT_EQ(verdict.message, kMsgEnterYourName);
}

TEST(NameKeyFilter, LettersPassAsCapitalsAndEverythingElseIsRefused) {
    struct Case {
        int typed;
        int passed;
        bool warn;
    };
    const Case cases[] = {
        {'A', 'A', false}, {'Z', 'Z', false}, {'a', 'A', false}, {'z', 'Z', false},
        {' ', ' ', false}, {13, 13, false},   {8, 8, false},     {'1', 0, true},
        {'-', 0, true},    {'@', 0, true},    {'[', 0, true},    {'`', 0, true},
        {'{', 0, true},    {3, 0, true},      {22, 0, true},     {0xE9, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const NameKeyVerdict verdict = FilterNameKey(c.typed);
        EXPECT_EQ(verdict.code, c.passed);
        EXPECT_EQ(verdict.warn, c.warn);
    }
}

TEST(SunSign, BoundaryDaysFallOnTheDesignedSide) {
    struct Case {
        std::string_view month;
        int day;
        std::string_view sign;
    };
    const Case cases[] = {
        {"January", 1, "Capricorn"},
        {"January", 19, "Capricorn"},
        {"January", 20, "Aquarius"},
        {"February", 18, "Aquarius"},
        {"February", 19, "Pisces"},
        {"February", 29, "Pisces"},
        {"March", 20, "Pisces"},
        {"March", 21, "Aries"},
        {"April", 20, "Aries"},
        {"April", 21, "Taurus"},
        {"April", 31, "Taurus"},
        {"May", 20, "Taurus"},
        {"May", 21, "Gemini"},
        {"June", 21, "Cancer"},
        {"July", 20, "Cancer"},
        {"July", 21, "Leo"},
        {"August", 21, "Virgo"},
        {"September", 21, "Libra"},
        {"October", 20, "Libra"},
        {"October", 21, "Scorpio"},
        {"November", 20, "Scorpio"},
        {"November", 21, "Sagittarius"},
        {"December", 20, "Sagittarius"},
        {"December", 21, "Capricorn"},
        {"December", 31, "Capricorn"},
        {"january", 5, ""},
        {"", 5, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.month) + " " + std::to_string(c.day));
        EXPECT_EQ(FindSunSign(c.month, c.day), c.sign);
    }
}

TEST(SunSign, EveryDayOfEveryMonthHasASign) {
    for (std::string_view month : kMonthNames) {
        for (int day = 1; day <= 31; ++day)
            EXPECT_TRUE(SignIndex(FindSunSign(month, day)).has_value()) << month << " " << day;
    }
}

// A saved file's date lines must be entries of the lists, written exactly as the lists write them.
TEST(ListedDate, OnlyTheListsOwnTextsPass) {
    struct Case {
        const char* day;
        const char* month;
        const char* year;
        bool listed;
    };
    for (const Case& c : {Case{"5", "March", "1971", true}, Case{"31", "February", "1930", true},
                          Case{"1", "December", "2012", true}, Case{"05", "March", "1971", false},
                          Case{"0", "March", "1971", false}, Case{"32", "March", "1971", false},
                          Case{"+5", "March", "1971", false}, Case{"5", "march", "1971", false},
                          Case{"5", "March", "1929", false}, Case{"5", "March", "2013", false},
                          Case{"5", "March", "1971 ", false}, Case{"", "March", "1971", false}}) {
        EXPECT_EQ(IsListedDate(c.day, c.month, c.year, 1930, 2012), c.listed)
            << c.day << " " << c.month << " " << c.year;
    }
}

} // namespace
} // namespace orbika
