#include "birth/modBirthData.h"
#include "planets/modPlanetSigns.h"

#include <gtest/gtest.h>
#include <string>

namespace orbika {
namespace {

struct Lookup {
    Body body;
    int year;
    std::string_view month;
    int day;
    std::string_view sign;
};

std::optional<std::string_view> Look(Body body, int year, std::string_view month, int day) {
    return LookUpSign(TableOf(body), std::to_string(year), month, std::to_string(day));
}

// Sign-change days given with the tables, the day before each, and each table's first and last
// day. The rows of Mercury and Vesta were also checked against an ephemeris (apparent geocentric
// longitude at 0h UT) when the tables were made.
TEST(PlanetSigns, DatesAnswerWithTheSignInForce) {
    const Lookup cases[] = {
        {Body::Pluto, 1900, "January", 1, "Gemini"},
        {Body::Pluto, 2022, "December", 31, "Capricorn"},
        {Body::Pluto, 1912, "September", 10, "Gemini"},
        {Body::Pluto, 1912, "September", 11, "Cancer"},
        {Body::Pluto, 1912, "October", 20, "Cancer"},
        {Body::Pluto, 1912, "October", 21, "Gemini"},
        {Body::Pluto, 1930, "January", 1, "Cancer"},
        {Body::Pluto, 2008, "November", 28, "Capricorn"},
        {Body::Pluto, 2008, "November", 27, "Sagittarius"},
        {Body::Pluto, 1900, "February", 29, "Gemini"},
        {Body::Jupiter, 1900, "January", 1, "Sagittarius"},
        {Body::Jupiter, 2024, "December", 31, "Gemini"},
        {Body::Jupiter, 1924, "December", 17, "Sagittarius"},
        {Body::Jupiter, 1924, "December", 18, "Capricorn"},
        {Body::Jupiter, 1904, "February", 28, "Pisces"},
        {Body::Jupiter, 1904, "February", 29, "Aries"},
        {Body::Jupiter, 1960, "February", 28, "Sagittarius"},
        {Body::Jupiter, 1960, "February", 29, "Capricorn"},
        {Body::Jupiter, 1900, "February", 29, "Sagittarius"},
        {Body::Jupiter, 1912, "June", 15, "Sagittarius"},
        {Body::Jupiter, 1925, "June", 15, "Capricorn"},
        {Body::Jupiter, 1983, "June", 15, "Sagittarius"},
        {Body::Jupiter, 1995, "June", 15, "Sagittarius"},
        {Body::Jupiter, 2008, "June", 15, "Capricorn"},
        {Body::Mercury, 1930, "January", 1, "Capricorn"},
        {Body::Mercury, 1930, "January", 2, "Capricorn"},
        {Body::Mercury, 1930, "January", 3, "Aquarius"},
        {Body::Mercury, 1930, "January", 24, "Capricorn"},
        {Body::Mercury, 1934, "September", 30, "Libra"},
        {Body::Mercury, 1934, "October", 1, "Scorpio"},
        {Body::Mercury, 2012, "March", 23, "Aries"},
        {Body::Mercury, 2012, "March", 24, "Pisces"},
        {Body::Mercury, 2012, "December", 11, "Scorpio"},
        {Body::Mercury, 2012, "December", 31, "Sagittarius"},
        {Body::Vesta, 1930, "January", 1, "Leo"},
        {Body::Vesta, 1930, "July", 3, "Leo"},
        {Body::Vesta, 1930, "July", 4, "Virgo"},
        {Body::Vesta, 1939, "October", 29, "Taurus"},
        {Body::Vesta, 1939, "October", 30, "Aries"},
        {Body::Vesta, 1943, "March", 6, "Aries"},
        {Body::Vesta, 1943, "May", 10, "Taurus"},
        {Body::Vesta, 2001, "January", 9, "Pisces"},
        {Body::Vesta, 2001, "March", 14, "Aries"},
        {Body::Vesta, 2012, "July", 10, "Taurus"},
        {Body::Vesta, 2012, "December", 31, "Gemini"},
    };
    for (const Lookup& c : cases) {
        SCOPED_TRACE(std::string(TableOf(c.body).Body) + " " + std::to_string(c.day) + " " +
                     std::string(c.month) + " " + std::to_string(c.year));
        EXPECT_EQ(Look(c.body, c.year, c.month, c.day), std::optional(c.sign));
    }
}

TEST(PlanetSigns, OutOfRangeYearsAndBadMonthsHaveNoAnswer) {
    EXPECT_FALSE(Look(Body::Pluto, 1899, "December", 31));
    EXPECT_FALSE(Look(Body::Pluto, 2023, "January", 1));
    EXPECT_FALSE(Look(Body::Jupiter, 2025, "January", 1));
    EXPECT_FALSE(Look(Body::Mercury, 1929, "December", 31));
    EXPECT_FALSE(Look(Body::Vesta, 2013, "January", 1));
    EXPECT_FALSE(Look(Body::Mercury, 1950, "january", 5));
    EXPECT_FALSE(Look(Body::Mercury, 1950, "Jan", 5));
    EXPECT_FALSE(LookUpSign(TableOf(Body::Pluto), "", "May", "5"));
}

TEST(PlanetSigns, TablesKeepTheirInvariants) {
    struct Expected {
        Body body;
        int firstYear;
        int lastYear;
        std::size_t rows;
    };
    // The published tables; every table, these and any added later, keeps the invariants below.
    const Expected published[] = {{Body::Pluto, 1900, 2022, 28},
                                  {Body::Jupiter, 1900, 2024, 183},
                                  {Body::Mercury, 1930, 2012, 1232},
                                  {Body::Vesta, 1930, 2012, 337}};
    for (const Expected& e : published) {
        const PlanetSignTable& table = TableOf(e.body);
        SCOPED_TRACE(std::string(table.Body));
        EXPECT_EQ(table.FirstYear, e.firstYear);
        EXPECT_EQ(table.LastYear, e.lastYear);
        EXPECT_EQ(table.Changes.size(), e.rows);
    }
    for (int b = 0; b < kBodyCount; ++b) {
        const Body body = Body(b);
        const PlanetSignTable& table = TableOf(body);
        SCOPED_TRACE(std::string(table.Body));
        const Expected e{body, table.FirstYear, table.LastYear, table.Changes.size()};
        ASSERT_FALSE(table.Changes.empty());
        const SignChange& first = table.Changes.front();
        EXPECT_EQ(first.Year, e.firstYear);
        EXPECT_EQ(first.Month, 1);
        EXPECT_EQ(first.Day, 1);
        EXPECT_LE(table.Changes.back().Year, e.lastYear);
        for (std::size_t i = 0; i < table.Changes.size(); ++i) {
            const SignChange& row = table.Changes[i];
            const int daysInMonth =
                row.Month == 2 ? (IsListLeapYear(row.Year) ? 29 : 28)
                : (row.Month == 4 || row.Month == 6 || row.Month == 9 || row.Month == 11) ? 30
                                                                                          : 31;
            EXPECT_TRUE(row.Month >= 1 && row.Month <= 12 && row.Day >= 1 && row.Day <= daysInMonth)
                << "row " << i;
            if (e.body == Body::Pluto) {
                EXPECT_TRUE(row.Sign >= 2 && row.Sign <= 9) << "row " << i;
            }
            if (i == 0)
                continue;
            const SignChange& before = table.Changes[i - 1];
            EXPECT_LT(std::make_tuple(before.Year, before.Month, before.Day),
                      std::make_tuple(row.Year, row.Month, row.Day))
                << "row " << i;
            EXPECT_NE(before.Sign, row.Sign) << "row " << i;
        }
        for (int year = e.firstYear; year <= e.lastYear; ++year) {
            for (std::string_view month : kMonthNames)
                EXPECT_TRUE(Look(e.body, year, month, 15)) << year << " " << month;
        }
    }
}

} // namespace
} // namespace orbika
