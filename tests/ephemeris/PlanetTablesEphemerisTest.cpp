// The built-in planet-sign tables checked row by row against the Swiss Ephemeris (Astrodienst,
// the JPL-based files of Debian's swe-basic-data): the apparent geocentric tropical longitude of
// each body at 00:00 UT on every day of the table's years. A sign change in the ephemeris is the
// first day whose 00:00 UT position stands in the new sign; each table row after the first must
// be such a day, within the tolerance the table's source allows, or be listed below with why it
// is kept as given.

#include "birth/modBirthData.h"
#include "planets/modPlanetSigns.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace orbika {
namespace {

struct Day {
    int year, month, day;
};

double JulianDay(Day d) {
    return swe_julday(d.year, d.month, d.day, 0.0, SE_GREG_CAL);
}

std::string Text(double julianDay) {
    int year = 0, month = 0, day = 0;
    double hour = 0;
    swe_revjul(julianDay, SE_GREG_CAL, &year, &month, &day, &hour);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

// The sign (0 Aries .. 11 Pisces) of the body at 00:00 UT of that day; -1 when the ephemeris
// cannot answer from its files (the test then fails rather than fall back to a coarser theory).
int SignAt(int sweBody, double julianDay, std::string& error) {
    double position[6] = {};
    char message[AS_MAXCH] = {};
    const int flags = swe_calc_ut(julianDay, sweBody, SEFLG_SWIEPH, position, message);
    if (flags < 0 || !(flags & SEFLG_SWIEPH)) {
        error = message[0] ? message : "the Swiss Ephemeris files did not answer";
        return -1;
    }
    return int(position[0] / 30.0) % 12;
}

struct Change {
    double julianDay;
    int sign;
};

// A table row kept although it is not on the ephemeris' day: its date and its distance in days
// from the ephemeris' first day in the sign (positive: the row is later).
struct KeptRow {
    Day row;
    int daysFromEphemeris;
    const char* why;
};

// A change of the ephemeris that the table does not have.
struct PassedOver {
    Day ephemerisDay;
    const char* why;
};

struct BodyCase {
    const char* name;
    Body body;
    int sweBody;
    // The distances in days that the table's source allows for every row (row minus ephemeris).
    int earliest, latest;
    std::vector<KeptRow> kept;
    std::vector<PassedOver> passedOver;
    // How many rows stand at each allowed distance, where there is more than one: a row moved
    // by a day inside the tolerance still shows here.
    std::map<int, int> spread;
};

void PrintTo(const BodyCase& c, std::ostream* out) {
    *out << c.name;
}

const BodyCase kBodies[] = {
    // Pluto, Mercury and Vesta: every row is the ephemeris' day.
    {"Pluto", Body::Pluto, SE_PLUTO, 0, 0, {}, {}, {}},
    {"Mercury", Body::Mercury, SE_MERCURY, 0, 0, {}, {}, {}},
    {"Vesta",
     Body::Vesta,
     SE_VESTA,
     0,
     0,
     {
         // Each ingress falls late in a day; the table was fixed a day later than the ephemeris.
         {{1930, 9, 6}, 1, "fixed for this program; Vesta enters Libra 23:06 UT on 4 September"},
         {{1939, 10, 30}, 1, "fixed for this program; Vesta enters Aries 22:01 UT on 28 October"},
         {{2011, 1, 30},
          1,
          "fixed for this program; Vesta enters Capricorn 23:14 UT on 28 January"},
         {{2012, 5, 2}, 1, "fixed for this program; Vesta enters Taurus 16:46 UT on 30 April"},
         {{2012, 7, 11}, 1, "fixed for this program; Vesta enters Gemini 21:23 UT on 9 July"},
     },
     {},
     {}},
    // Jupiter: the published table, whose dates run up to two days before the ephemeris' day.
    {"Jupiter",
     Body::Jupiter,
     SE_JUPITER,
     -2,
     0,
     {
         {{1913, 1, 10}, 7, "published date, a week after the ingress into Capricorn"},
         {{1928, 6, 6}, 1, "published date, a day after the ingress into Taurus"},
         {{1931, 7, 26}, 8, "published date, eight days after the ingress into Leo"},
         {{1936, 12, 8}, 5, "published date, five days after the ingress into Capricorn"},
         {{1976, 11, 17}, 31, "published date; the ingress into Taurus is 17 October"},
         {{1977, 12, 20}, -11, "published date, eleven days before the return into Gemini"},
         {{1979, 2, 5}, -24, "published date, 24 days before the return into Cancer"},
         {{1985, 2, 19}, 12, "published date, twelve days after the ingress into Aquarius"},
     },
     {
         {{1927, 9, 12}, "the published table has no retrograde return into Pisces in 1927"},
         {{1928, 1, 24}, "and so no second ingress into Aries in January 1928"},
     },
     {{-2, 43}, {-1, 126}, {0, 5}}},
};

class PlanetTablesAgainstEphemeris : public ::testing::TestWithParam<BodyCase> {
protected:
    static void SetUpTestSuite() { swe_set_ephe_path(const_cast<char*>(ORBIKA_SWE_EPHE_PATH)); }
    static void TearDownTestSuite() { swe_close(); }
};

TEST_P(PlanetTablesAgainstEphemeris, EveryRowIsTheEphemerisDayOrListed) {
    const BodyCase& c = GetParam();
    const PlanetSignTable& table = TableOf(c.body);
    ASSERT_FALSE(table.Changes.empty());

    const auto rowDay = [](const SignChange& row) {
        return JulianDay({row.Year, row.Month, row.Day});
    };
    const auto rowText = [&](const SignChange& row) {
        return Text(rowDay(row)) + " " + std::string(kSignNames[std::size_t(row.Sign)]);
    };

    // The first row is the table's start, not a change: it must hold the sign of that day.
    const double first = JulianDay({table.FirstYear, 1, 1});
    const double last = JulianDay({table.LastYear, 12, 31});
    ASSERT_EQ(rowDay(table.Changes.front()), first) << "the table starts on 1 January";
    std::string error;
    int sign = SignAt(c.sweBody, first, error);
    ASSERT_GE(sign, 0) << error;
    EXPECT_EQ(table.Changes.front().Sign, sign) << "sign on " << Text(first);

    std::vector<Change> ephemeris;
    for (double day = first + 1; day <= last; ++day) {
        const int now = SignAt(c.sweBody, day, error);
        ASSERT_GE(now, 0) << Text(day) << ": " << error;
        if (now != sign)
            ephemeris.push_back({day, now});
        sign = now;
    }

    std::vector<bool> keptUsed(c.kept.size()), passedUsed(c.passedOver.size());
    std::map<int, int> spread;
    // Walk both lists in date order, pairing a row with the ephemeris change into the same sign
    // when they are close; whatever stays unpaired is a dropped, added or wrong row.
    constexpr double kPairingDays = 40;
    std::size_t r = 1, e = 0;
    while (r < table.Changes.size() || e < ephemeris.size()) {
        const SignChange* row = r < table.Changes.size() ? &table.Changes[r] : nullptr;
        const Change* change = e < ephemeris.size() ? &ephemeris[e] : nullptr;
        if (row && change && row->Sign == change->sign &&
            std::fabs(rowDay(*row) - change->julianDay) <= kPairingDays) {
            const int days = int(rowDay(*row) - change->julianDay);
            if (days >= c.earliest && days <= c.latest) {
                ++spread[days];
            } else {
                bool listed = false;
                for (std::size_t k = 0; k < c.kept.size(); ++k) {
                    if (JulianDay(c.kept[k].row) == rowDay(*row) &&
                        c.kept[k].daysFromEphemeris == days) {
                        listed = keptUsed[k] = true;
                    }
                }
                EXPECT_TRUE(listed) << "row " << rowText(*row) << " is " << days
                                    << " days from the ephemeris' first day in the sign, "
                                    << Text(change->julianDay);
            }
            ++r, ++e;
        } else if (row && (!change || rowDay(*row) < change->julianDay)) {
            ADD_FAILURE() << "row " << rowText(*row)
                          << " matches no change of the ephemeris within " << kPairingDays
                          << " days";
            ++r;
        } else {
            bool listed = false;
            for (std::size_t k = 0; k < c.passedOver.size(); ++k) {
                if (JulianDay(c.passedOver[k].ephemerisDay) == change->julianDay)
                    listed = passedUsed[k] = true;
            }
            EXPECT_TRUE(listed) << "the ephemeris changes to "
                                << kSignNames[std::size_t(change->sign)] << " on "
                                << Text(change->julianDay) << " and the table has no such row";
            ++e;
        }
    }

    for (std::size_t k = 0; k < c.kept.size(); ++k)
        EXPECT_TRUE(keptUsed[k]) << "listed row " << Text(JulianDay(c.kept[k].row))
                                 << " is no longer where the list says";
    for (std::size_t k = 0; k < c.passedOver.size(); ++k)
        EXPECT_TRUE(passedUsed[k])
            << "listed ephemeris change " << Text(JulianDay(c.passedOver[k].ephemerisDay))
            << " is no longer passed over";
    if (!c.spread.empty()) {
        EXPECT_EQ(spread, c.spread) << "rows at each distance from the ephemeris, in days";
    }
}

// A body added to the tables must be added above too, with its Swiss Ephemeris number.
TEST(PlanetTablesAgainstEphemerisCases, EveryTableHasItsCase) {
    for (int b = 0; b < kBodyCount; ++b) {
        const Body body = Body(b);
        const auto found = std::find_if(std::begin(kBodies), std::end(kBodies),
                                        [body](const BodyCase& c) { return c.body == body; });
        ASSERT_NE(found, std::end(kBodies)) << TableOf(body).Body << " is not checked";
        EXPECT_EQ(std::string_view(found->name), TableOf(body).Body);
    }
}

INSTANTIATE_TEST_SUITE_P(, PlanetTablesAgainstEphemeris, ::testing::ValuesIn(kBodies),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orbika
