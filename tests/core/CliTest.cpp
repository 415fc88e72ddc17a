#include "birth/modBirthData.h"
#include "cli/ReadingCli.h"
#include "planets/modPlanetSigns.h"
#include "reports/modReports.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace orbika::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = Run(args, out, err);
    return {status, out.str(), err.str()};
}

std::string JsonValue(const std::string& json, const std::string& key) {
    const std::string marker = "\"" + key + "\":\"";
    const auto at = json.find(marker);
    if (at == std::string::npos)
        return "<missing>";
    return json.substr(at + marker.size(), json.find('"', at + marker.size()) - at - marker.size());
}

TEST(ReadingCli, ReadingsAgreeWithTheCoreTheWindowsUse) {
    struct Case {
        std::string kind;
        int year, month, day;
    };
    const Case cases[] = {
        {"financial", 1947, 2, 19},    {"financial", 2050, 12, 31}, {"career", 1900, 1, 20},
        {"career", 1988, 6, 21},       {"power", 1912, 10, 21},     {"power", 1983, 11, 6},
        {"lucky", 1904, 2, 29},        {"lucky", 2024, 5, 25},      {"communication", 1934, 10, 1},
        {"communication", 1971, 8, 9}, {"energy", 1943, 3, 6},      {"energy", 2001, 1, 9},
    };
    const std::map<std::string, Body> bodies = {{"power", Body::Pluto},
                                                {"lucky", Body::Jupiter},
                                                {"communication", Body::Mercury},
                                                {"energy", Body::Vesta}};
    for (const Case& c : cases) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", c.year, c.month, c.day);
        SCOPED_TRACE(c.kind + " " + date);
        const Outcome outcome = RunCli({c.kind, "--name", "ANN", "--date", date, "--json"});
        ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
        const std::string month(kMonthNames[std::size_t(c.month - 1)]);
        const std::string expected =
            bodies.count(c.kind)
                ? std::string(*LookUpSign(TableOf(bodies.at(c.kind)), std::to_string(c.year), month,
                                          std::to_string(c.day)))
                : std::string(FindSunSign(month, c.day));
        EXPECT_EQ(JsonValue(outcome.out, "sign"), expected);
        EXPECT_EQ(JsonValue(outcome.out, "date"), date);
    }
}

TEST(ReadingCli, RefusalsUseTheWindowsMessagesAndStatusTwo) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"financial", "--name", "  ", "--date", "2000-01-01"}, "Please Enter Your Name"},
        {{"career", "--name", "  ", "--date", "2000-01-01"}, "Please enter your name"},
        {{"power", "--name", "", "--date", "2000-01-01"}, "Please Enter Your Name"},
        {{"lucky", "--name", "Jo-Ann", "--date", "2000-01-01"}, "Please Enter only Letters"},
        {{"financial", "--name", "Ada", "--date", "2001-02-29"},
         "Please Enter Correct Date Or Month!"},
        {{"career", "--name", "Ada", "--date", "2004-02-30"},
         "Please Enter Correct Date Or Month!"},
        {{"energy", "--name", "Ada", "--date", "1990-04-31"},
         "Please Enter Correct Date Or Month !"},
        {{"communication", "--name", "Ada", "--date", "1929-12-31"},
         "The Zodiac Communication Sign reading covers the years 1930 to 2012."},
        {{"power", "--name", "Ada", "--date", "2023-01-01"},
         "The Zodiac Power Sign reading covers the years 1900 to 2022."},
        {{"financial", "--name", "Ada", "--date", "2051-01-01"},
         "The Financial Astrology reading covers the years 1900 to 2050."},
        {{"financial", "--name", "Ada", "--date", "5 March 2000"},
         "The date must be written YYYY-MM-DD, for example 1975-03-21."},
        {{"power", "--name", "Ada", "--date", "2000-01-01", "--report"},
         "Only the financial and career readings have a report."},
        {{"open", "/nowhere/reading.ZOD"}, "Please Check The File."},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunCli(c.args);
        EXPECT_EQ(outcome.status, kExitRefused) << c.message;
        EXPECT_EQ(outcome.err, c.message + "\n");
        EXPECT_EQ(outcome.out, "");
    }
    EXPECT_EQ(RunCli({"tarot", "--name", "Ada", "--date", "2000-01-01"}).status, kExitRefused);
    EXPECT_EQ(RunCli({"financial", "--name", "Ada"}).status, kExitRefused);
    EXPECT_EQ(RunCli({}).status, kExitRefused);
}

TEST(ReadingCli, HelpAndVersionAnswerAsAnyUnixTool) {
    const Outcome help = RunCli({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_EQ(help.out.rfind("Usage: orbika-reading", 0), 0u);
    EXPECT_EQ(RunCli({"--version"}).out, "orbika-reading 1.15\n");
}

TEST(ReadingCli, SavedReadingsRoundTrip) {
    QTemporaryDir dir;
    const std::string base = dir.filePath("ada").toStdString();
    ASSERT_EQ(
        RunCli({"save", "financial", "--name", "  Ada King ", "--date", "2000-03-05", base}).status,
        kExitOk);
    QFile saved(QString::fromStdString(base + ".zod"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QFile fixture(ORBIKA_TEST_DATA "/ada-5-march-2000.zod");
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), fixture.readAll());

    const Outcome opened = RunCli({"open", base + ".zod", "--json"});
    EXPECT_EQ(opened.status, kExitOk) << opened.err;
    EXPECT_EQ(JsonValue(opened.out, "name"), "Ada King");
    EXPECT_EQ(JsonValue(opened.out, "sign"), "Pisces");

    const std::string career = dir.filePath("bob.cwc").toStdString();
    ASSERT_EQ(RunCli({"save", "career", "--name", " Bob ", "--date", "1960-07-05", career}).status,
              kExitOk);
    EXPECT_EQ(JsonValue(RunCli({"open", career, "--json"}).out, "name"), " Bob ");

    const Outcome cannotHold =
        RunCli({"save", "financial", "--name", "Zo\u00eb", "--date", "2000-03-05", base + "2"});
    EXPECT_EQ(cannotHold.status, kExitRefused);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(base + "2.zod")));

    const Outcome failed = RunCli(
        {"save", "career", "--name", "Bob", "--date", "1960-07-05", base + "/missing/x.cwc"});
    EXPECT_EQ(failed.status, kExitFailure);
    EXPECT_NE(failed.err.find("could not be saved"), std::string::npos);
}

TEST(ReadingCli, JsonKeysStayInTheirOrder) {
    const Outcome financial =
        RunCli({"financial", "--name", "Ada", "--date", "2000-03-05", "--json"});
    EXPECT_EQ(
        financial.out.rfind("{\"kind\":\"financial\",\"name\":\"Ada\",\"date\":\"2000-03-05\","
                            "\"sign\":\"Pisces\",\"profile\":{\"element\":\"Water\","
                            "\"quality\":\"Mutable\",\"rulingPlanet\":",
                            0),
        0u)
        << financial.out;
    EXPECT_NE(financial.out.find("{\"label\":\"Pacts & Contracts\",\"sentence\":"),
              std::string::npos);
    const Outcome planet = RunCli({"energy", "--name", "Ann", "--date", "1930-01-01", "--json"});
    EXPECT_EQ(planet.out.rfind("{\"kind\":\"energy\",\"name\":\"ANN\",\"date\":\"1930-01-01\","
                               "\"body\":\"Vesta\",\"sign\":\"Leo\",\"interpretation\":",
                               0),
              0u)
        << planet.out;
}

} // namespace
} // namespace orbika::cli
