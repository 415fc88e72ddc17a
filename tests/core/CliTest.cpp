#include "HostileFiles.h"
#include "birth/modBirthData.h"
#include "career/modCareerAstrology.h"
#include "cli/ReadingCli.h"
#include "planets/modPlanetSigns.h"
#include "reports/modReports.h"
#include "tools/Tools.h"

#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace orbika::cli {
namespace {

using test::HostileFiles;

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

using Json = nlohmann::json;

std::string JsonValue(const std::string& json, const std::string& key) {
    const Json object = Json::parse(json, nullptr, false);
    return object.is_object() && object.contains(key) && object[key].is_string()
               ? object[key].get<std::string>()
               : "<missing>";
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
    EXPECT_EQ(RunCli({"financial", "--date", "2000-01-01", "--name"})
                  .err.rfind("--name needs a value.\n\nUsage:", 0),
              0u);
    EXPECT_EQ(RunCli({"financial", "--bogus", "--name", "Ada", "--date", "2000-01-01"})
                  .err.rfind("Unknown option --bogus.\n\nUsage:", 0),
              0u);
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

TEST(ReadingCli, JsonKeysStayInTheirOrderAndListsAreArrays) {
    const Outcome financial =
        RunCli({"financial", "--name", "Ada", "--date", "2000-03-05", "--json"});
    EXPECT_EQ(financial.out.rfind(
                  "{\"schema\":1,\"kind\":\"financial\",\"name\":\"Ada\",\"date\":\"2000-03-05\","
                  "\"sign\":\"Pisces\",\"profile\":{\"element\":\"Water\","
                  "\"quality\":\"Mutable\",\"rulingPlanet\":",
                  0),
              0u)
        << financial.out;
    const Json object = Json::parse(financial.out);
    EXPECT_EQ(object["profile"]["luckyNumbers"], Json::parse("[2, 6]"));
    EXPECT_EQ(object["profile"]["compatibleSigns"], Json::parse(R"(["Taurus", "Virgo"])"));
    EXPECT_EQ(object["profile"]["famousPeople"].size(), 5u);
    EXPECT_EQ(object["attributes"][2]["label"], "Pacts & Contracts");
    const std::string planet =
        RunCli({"energy", "--name", "Ann", "--date", "1930-01-01", "--json"}).out;
    EXPECT_EQ(planet.rfind("{\"schema\":1,\"kind\":\"energy\",\"name\":\"ANN\","
                           "\"date\":\"1930-01-01\",\"body\":\"Vesta\",\"sign\":\"Leo\","
                           "\"interpretation\":",
                           0),
              0u)
        << planet;
    // Ratings agree with the sentences they choose.
    const Json career =
        Json::parse(RunCli({"career", "--name", "Bob", "--date", "1960-07-05", "--json"}).out);
    for (int a = 0; a < 12; ++a) {
        const Json& attribute = career["attributes"][std::size_t(a)];
        EXPECT_EQ(attribute["sentence"],
                  std::string(modCareerAstrology::RatingSentence(a, attribute["rating"])));
    }
}

// Just the part of JSON Schema that docs/reading.schema.json uses: $ref into $defs, oneOf, type,
// enum, pattern-free strings, required, properties, additionalProperties false, items, minItems
// and maxItems. Returns where the document breaks the schema, or nothing.
std::string Violation(const Json& schema, const Json& root, const Json& value,
                      const std::string& at) {
    if (schema.contains("$ref")) {
        const std::string ref = schema["$ref"];
        return Violation(root["$defs"][ref.substr(std::string("#/$defs/").size())], root, value,
                         at);
    }
    if (schema.contains("oneOf")) {
        int matches = 0;
        std::string why;
        for (const Json& option : schema["oneOf"]) {
            const std::string violation = Violation(option, root, value, at);
            matches += violation.empty();
            why += violation + "; ";
        }
        return matches == 1 ? "" : at + " matches " + std::to_string(matches) + " kinds: " + why;
    }
    if (schema.contains("type")) {
        const std::string type = schema["type"];
        const bool fits = (type == "object" && value.is_object()) ||
                          (type == "array" && value.is_array()) ||
                          (type == "string" && value.is_string()) ||
                          (type == "integer" && value.is_number_integer());
        if (!fits)
            return at + " is not " + type;
    }
    if (schema.contains("enum") &&
        std::find(schema["enum"].begin(), schema["enum"].end(), value) == schema["enum"].end())
        return at + " = " + value.dump() + " is none of " + schema["enum"].dump();
    if (value.is_object()) {
        for (const Json& key : schema.value("required", Json::array())) {
            if (!value.contains(key.get<std::string>()))
                return at + " lacks " + key.get<std::string>();
        }
        const Json properties = schema.value("properties", Json::object());
        for (const auto& [key, member] : value.items()) {
            if (!properties.contains(key)) {
                if (schema.value("additionalProperties", true) == false)
                    return at + " has the unknown key " + key;
                continue;
            }
            if (std::string why = Violation(properties[key], root, member, at + "." + key);
                !why.empty())
                return why;
        }
    }
    if (value.is_array()) {
        if (value.size() < schema.value("minItems", 0u) ||
            value.size() > schema.value("maxItems", value.size()))
            return at + " has " + std::to_string(value.size()) + " items";
        for (std::size_t i = 0; i < value.size() && schema.contains("items"); ++i) {
            if (std::string why =
                    Violation(schema["items"], root, value[i], at + "[" + std::to_string(i) + "]");
                !why.empty())
                return why;
        }
    }
    return "";
}

TEST(ReadingCli, EveryKindOfJsonFollowsThePublishedSchema) {
    std::ifstream file(ORBIKA_SCHEMA);
    const Json schema = Json::parse(file);
    const std::vector<std::vector<std::string>> readings = {
        {"financial", "--name", "Ada", "--date", "2000-03-05"},
        {"financial", "--name", "Ada", "--date", "1971-06-03", "--report"},
        {"career", "--name", " Bob ", "--date", "1960-07-05"},
        {"career", "--name", "Bob", "--date", "1988-12-25", "--report"},
        {"power", "--name", "Ann", "--date", "1930-01-01"},
        {"lucky", "--name", "Ann", "--date", "2024-05-25"},
        {"communication", "--name", "Ann", "--date", "1971-08-09"},
        {"energy", "--name", "Ann", "--date", "2001-01-09"},
    };
    // And every tool of the table, so that a new one cannot miss the schema.
    std::vector<std::vector<std::string>> all = readings;
    for (const Tool& tool : Tools()) {
        const YearRange years = YearsOf(tool);
        all.push_back({std::string(tool.commandWord), "--name", "Ann", "--date",
                       std::to_string((years.first + years.last) / 2) + "-03-05"});
    }
    for (std::vector<std::string> args : all) {
        args.push_back("--json");
        const Outcome outcome = RunCli(args);
        ASSERT_EQ(outcome.status, kExitOk) << args[0] << outcome.err;
        EXPECT_EQ(Violation(schema, schema, Json::parse(outcome.out), "$"), "") << args[0];
    }
    // Every sign's profile too: the lists come out of the profile texts.
    for (int month = 1; month <= 12; ++month) {
        char date[16];
        std::snprintf(date, sizeof date, "2000-%02d-05", month);
        const Outcome outcome = RunCli({"financial", "--name", "Ada", "--date", date, "--json"});
        ASSERT_EQ(outcome.status, kExitOk) << date << outcome.err;
        EXPECT_EQ(Violation(schema, schema, Json::parse(outcome.out), "$"), "") << date;
    }
}

// The manual page and the shell completion are written by hand: each must know every tool.
TEST(ReadingCli, TheManualAndTheCompletionNameEveryTool) {
    auto read = [](const std::string& path) {
        std::ifstream file(path);
        EXPECT_TRUE(file) << path;
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const std::string manual = read(ORBIKA_PACKAGING "/man/orbika-reading.1");
    const std::string completion = read(ORBIKA_PACKAGING "/completion/orbika-reading");
    const auto kinds = completion.find("kinds=\"");
    ASSERT_NE(kinds, std::string::npos);
    const std::string completedKinds =
        " " + completion.substr(kinds + 7, completion.find('"', kinds + 7) - kinds - 7) + " ";
    const std::string help = RunCli({"--help"}).out;
    for (const Tool& tool : Tools()) {
        const std::string word(tool.commandWord);
        const YearRange years = YearsOf(tool);
        const auto entry = manual.find(".B " + word + "\n");
        ASSERT_NE(entry, std::string::npos) << word;
        const std::string line = manual.substr(entry, manual.find(".TP", entry) - entry);
        EXPECT_NE(
            line.find("years " + std::to_string(years.first) + " to " + std::to_string(years.last)),
            std::string::npos)
            << word << ": its years in the manual";
        EXPECT_NE(completedKinds.find(" " + word + " "), std::string::npos) << word;
        EXPECT_NE(help.find("  " + word + " "), std::string::npos) << word;
    }
}

TEST(ReadingCli, AwkwardNamesGiveValidJsonOrAClearRefusal) {
    struct Case {
        const char* what;
        std::string name;
        bool accepted;
    };
    const Case cases[] = {
        {"invalid byte",
         "A\xff"
         "B\xc3",
         false},
        {"overlong slash", "A\xc0\xaf", false},
        {"lone surrogate", "A\xed\xa0\x80", false},
        {"beyond U+10FFFF", "A\xf4\x90\x80\x80", false},
        {"256 characters", std::string(256, 'L'), false},
        {"escape sequence", "\x1b[31mRed\x1b[0m", true},
        {"bell and newline", "Ada\a\nKing", true},
        {"nul", std::string("Ada\0King", 8), true},
        {"C1 control", "Ada\xc2\x85King", true},
        {"quotes and backslash", "A \"B\" \\C", true},
        {"emoji and CJK", "Ada \xf0\x9f\x98\x80 \xe4\xb8\xad", true},
        {"255 characters", std::string(255, 'L'), true},
        {"255 two-byte characters",
         [] {
             std::string name;
             for (int i = 0; i < 255; ++i)
                 name += "\xc3\xa9";
             return name;
         }(),
         true},
    };
    for (const Case& c : cases) {
        for (const char* kind : {"financial", "career"}) {
            SCOPED_TRACE(std::string(c.what) + " " + kind);
            const Outcome json = RunCli({kind, "--name", c.name, "--date", "1971-06-03", "--json"});
            if (!c.accepted) {
                EXPECT_EQ(json.status, kExitRefused);
                EXPECT_EQ(json.out, "");
                EXPECT_NE(json.err.find("name"), std::string::npos) << json.err;
                continue;
            }
            ASSERT_EQ(json.status, kExitOk) << json.err;
            const Json parsed = Json::parse(json.out, nullptr, false);
            ASSERT_FALSE(parsed.is_discarded()) << json.out;
            EXPECT_EQ(parsed["name"], c.name);
            // The terminal sees no control character from the name, in the reading or the report.
            for (const char* plain : {"--name", "--report"}) {
                std::vector<std::string> args = {kind, "--name", c.name, "--date", "1971-06-03"};
                if (std::string(plain) == "--report")
                    args.push_back("--report");
                const Outcome text = RunCli(args);
                ASSERT_EQ(text.status, kExitOk);
                for (const unsigned char byte : text.out.substr(0, text.out.find("Date of Birth")))
                    EXPECT_TRUE(byte >= 0x20 || byte == '\n') << int(byte);
                EXPECT_EQ(text.out.find("\xc2\x85"), std::string::npos);
            }
        }
    }
    // Options as before: a value may start with "-", "--name=" works, the last of two counts.
    EXPECT_EQ(JsonValue(RunCli({"career", "--name", "-Ada", "--date", "1971-06-03", "--json"}).out,
                        "name"),
              "-Ada");
    EXPECT_EQ(JsonValue(RunCli({"career", "--name=Bo", "--name", "Al", "--date=1971-06-03",
                                "--json", "--json"})
                            .out,
                        "name"),
              "Al");
    const Outcome shown = RunCli({"career", "--name", "\x1b[31mRed", "--date", "1971-06-03"});
    EXPECT_EQ(shown.out.rfind("Name: \\x1B[31mRed\n", 0), 0u) << shown.out;
}

TEST(ReadingCli, HostileFilesAreRefusedAtOnceAndSavesKeepWhatTheyReplace) {
    HostileFiles files;
    for (const char* name : HostileFiles::kNotFiles) {
        SCOPED_TRACE(name);
        const mode_t before = HostileFiles::Mode(files.path(name));
        const Outcome opened = RunCli({"open", files.path(name)});
        EXPECT_EQ(opened.status, kExitFailure);
        EXPECT_EQ(opened.err.rfind("Cannot read " + files.path(name) + ": It is a ", 0), 0u)
            << opened.err;
        const Outcome saved = RunCli(
            {"save", "financial", "--name", "Ada", "--date", "1971-06-03", files.path(name)});
        EXPECT_EQ(saved.status, kExitFailure);
        EXPECT_NE(saved.err.find("could not be saved"), std::string::npos);
        EXPECT_EQ(HostileFiles::Mode(files.path(name)), before) << "left as it was";
    }
    EXPECT_EQ(RunCli({"open", files.path("long-name.zod")}).err, "Please Check The File.\n");

    const Outcome readOnly = RunCli({"save", "financial", "--name", "Ada", "--date", "1971-06-03",
                                     files.path("read-only.zod")});
    EXPECT_EQ(readOnly.status, kExitFailure);
    EXPECT_NE(readOnly.err.find("read-only"), std::string::npos);
    EXPECT_EQ(HostileFiles::Read(files.path("read-only.zod")), "unchanged");
    EXPECT_EQ(HostileFiles::Mode(files.path("read-only.zod")) & 07777, 0444u);

    ASSERT_EQ(RunCli({"save", "career", "--name", "Bo", "--date", "1971-06-03",
                      files.path("private.zod")})
                  .status,
              kExitOk);
    EXPECT_EQ(HostileFiles::Mode(files.path("private.zod")) & 07777, 0600u);

    // Through a symbolic link: the link stays, its target gets the reading.
    ASSERT_EQ(RunCli({"save", "financial", "--name", "Grace", "--date", "1971-06-03",
                      files.path("link.zod")})
                  .status,
              kExitOk);
    EXPECT_TRUE(S_ISLNK(HostileFiles::Mode(files.path("link.zod"))));
    EXPECT_EQ(JsonValue(RunCli({"open", files.path("good.zod"), "--json"}).out, "name"), "Grace");

    const std::string folder = files.path("folder.zod");
    for (const std::string& name : {std::string(), std::string("."), std::string(".."),
                                    folder + "/", folder + "/.", folder + "/.."}) {
        SCOPED_TRACE(name);
        const Outcome outcome =
            RunCli({"save", "financial", "--name", "Ada", "--date", "1971-06-03", name});
        EXPECT_EQ(outcome.status, kExitRefused);
        EXPECT_NE(outcome.err.find("is not a file name"), std::string::npos) << outcome.err;
    }
    EXPECT_TRUE(QDir(QString::fromStdString(folder)).isEmpty());
    EXPECT_FALSE(QFile::exists(".zod"));
}

TEST(ReadingCli, ANameAsLongAsTheNameBoxComesBackWhole) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("long.cwc").toStdString();
    const std::string name(kMaxNameLength, 'L');
    ASSERT_EQ(RunCli({"save", "career", "--name", name, "--date", "1971-06-03", path}).status,
              kExitOk);
    EXPECT_EQ(JsonValue(RunCli({"open", path, "--json"}).out, "name"), name);
    const Outcome tooLong = RunCli(
        {"save", "career", "--name", std::string(1500, 'L'), "--date", "1971-06-03", path + "2"});
    EXPECT_EQ(tooLong.status, kExitRefused);
    EXPECT_EQ(tooLong.err, "The name has 1500 characters; a name may have at most 255.\n");
}

} // namespace
} // namespace orbika::cli
