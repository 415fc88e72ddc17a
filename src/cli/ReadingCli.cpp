#include "ReadingCli.h"

#include "Text.h"
#include "birth/modBirthData.h"
#include "birth/modSunSignProfile.h"
#include "career/modCareerAstrology.h"
#include "financial/modFinancialAstrology.h"
#include "planets/modPlanetSigns.h"
#include "reports/modCodePage.h"
#include "reports/modReports.h"
#include "reports/modSavedFileAccess.h"
#include "reports/modSavedReading.h"
#include "tools/Tools.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

namespace orbika::cli {

namespace {

using Json = nlohmann::ordered_json;

// The help: the kinds come from the tool table, each with the years it reads.
const std::string& Usage() {
    static const std::string usage = [] {
        std::string text =
            "Usage: orbika-reading KIND --name NAME --date YYYY-MM-DD [--json] [--report]\n"
            "       orbika-reading open FILE [--json] [--report]\n"
            "       orbika-reading save KIND --name NAME --date YYYY-MM-DD FILE\n"
            "\n"
            "Gives an Orbika Finance Astrology reading for a name and birth date.\n"
            "\n"
            "KIND is one of:\n";
        for (const Tool& tool : Tools()) {
            const YearRange years = YearsOf(tool);
            std::string word(tool.commandWord);
            word.resize(std::max<std::size_t>(word.size() + 1, 15), ' ');
            text += "  " + word + std::string(tool.commandHelp) + " (years " +
                    std::to_string(years.first) + "-" + std::to_string(years.last) + ")\n";
        }
        text += "\n"
                "Options:\n"
                "  --name NAME    the person's name (the planet-sign readings take letters and "
                "blanks)\n"
                "  --date DATE    the birth date, YYYY-MM-DD\n"
                "  --json         print the reading as one JSON object\n"
                "  --report       print the Financial or Career report as the report window "
                "shows it\n"
                "  --help         print this help and exit\n"
                "  --version      print the version and exit\n"
                "\n"
                "open reads a saved reading (.zod: Financial, .cwc: Career) and prints it; save "
                "writes one.\n"
                "Exit status: 0 done, 1 a file could not be read or written, 2 bad usage or input "
                "refused.\n";
        return text;
    }();
    return usage;
}

constexpr std::string_view kVersion = "orbika-reading 1.15\n";

// orbika-reading's kinds are the tools.
using Kind = Tool;

bool IsPlanet(const Kind& kind) {
    return kind.planet.has_value();
}

struct BirthInput {
    std::string name;
    int year = 0;
    int month = 0; // 1..12
    int day = 0;
};

// Thrown for any refusal; carries the message and the exit status.
struct Refusal {
    std::string message;
    int status = kExitRefused;
};

std::optional<int> Digits(std::string_view text) {
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// YYYY-MM-DD, with one- or two-digit month and day. Only the shape is checked here; whether the
// day exists is the entry windows' check.
BirthInput ParseDate(std::string_view text) {
    const Refusal bad{"The date must be written YYYY-MM-DD, for example 1975-03-21."};
    const auto first = text.find('-');
    const auto second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos || first != 4)
        throw bad;
    const auto year = Digits(text.substr(0, first));
    const auto month = Digits(text.substr(first + 1, second - first - 1));
    const auto day = Digits(text.substr(second + 1));
    if (!year || !month || !day || second - first - 1 > 2 || text.size() - second - 1 > 2 ||
        *month < 1 || *month > 12 || *day < 1 || *day > 31)
        throw bad;
    return {{}, *year, *month, *day};
}

// The entry window's checks, in its order: the planet-sign name filter (typed letters become
// capitals), the name, the years of the reading's list, the date.
void Check(const Kind& kind, BirthInput& input) {
    if (IsPlanet(kind)) {
        for (char& c : input.name) {
            const NameKeyVerdict verdict = FilterNameKey(static_cast<unsigned char>(c));
            if (verdict.warn)
                throw Refusal{std::string(kMsgOnlyLetters)};
            c = static_cast<char>(verdict.code);
        }
    }
    const auto [firstYear, lastYear] = YearsOf(kind);
    // The name check comes first, as in the windows; a date outside the lists is refused before
    // the date check could look at it.
    const BirthDataVerdict nameOnly = ValidateBirthData(kind.nameRule, input.name, 0, 0, firstYear);
    if (!nameOnly.accepted)
        throw Refusal{std::string(nameOnly.message)};
    if (input.year < firstYear || input.year > lastYear) {
        throw Refusal{"The " + std::string(kind.caption) + " reading covers the years " +
                      std::to_string(firstYear) + " to " + std::to_string(lastYear) + "."};
    }
    const BirthDataVerdict verdict =
        ValidateBirthData(kind.nameRule, input.name, input.day - 1, input.month - 1, input.year);
    if (!verdict.accepted)
        throw Refusal{std::string(verdict.message)};
}

std::string MonthName(const BirthInput& input) {
    return std::string(kMonthNames[std::size_t(input.month - 1)]);
}

std::string IsoDate(const BirthInput& input) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", input.year, input.month, input.day);
    return text;
}

// A label caption shows "&&" as one "&".
std::string Shown(std::string label) {
    for (auto at = label.find("&&"); at != std::string::npos; at = label.find("&&", at + 1))
        label.erase(at, 1);
    return label;
}

// The pieces of a list as the profile tables write it: "Leo & Sagittarius", "Aquarius and
// Gemini", "Karl Marx, Johannes Brahms".
std::vector<std::string> ListItems(std::string_view text,
                                   std::initializer_list<std::string_view> separators) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t matched = 0;
        for (const std::string_view separator : separators) {
            if (text.substr(at, separator.size()) == separator) {
                matched = separator.size();
                break;
            }
        }
        if (at == text.size() || matched > 0) {
            if (at > start)
                items.emplace_back(text.substr(start, at - start));
            at += matched > 0 ? matched : 1;
            start = at;
        } else {
            ++at;
        }
    }
    return items;
}

// "8 & 9", "8, 2" and "9" as numbers.
Json LuckyNumbers(std::string_view text) {
    Json numbers = Json::array();
    int value = -1;
    for (const char c : std::string(text) + " ") {
        if (c >= '0' && c <= '9') {
            value = (value < 0 ? 0 : value * 10) + (c - '0');
        } else if (value >= 0) {
            numbers.push_back(value);
            value = -1;
        }
    }
    return numbers;
}

template <typename RatingOf>
Json AttributesJson(const std::array<ProfileAttribute, 12>& attributes, const std::string& sign,
                    RatingOf rating) {
    Json list = Json::array();
    const int signIndex = SignIndex(sign).value_or(0);
    for (std::size_t a = 0; a < attributes.size(); ++a) {
        list.push_back({{"label", Shown(attributes[a].Label)},
                        {"rating", rating(signIndex, int(a))},
                        {"sentence", attributes[a].Sentence}});
    }
    return list;
}

// The version of the JSON documents' layout (docs/reading.schema.json); raised when a key
// changes meaning or goes away.
constexpr int kSchemaVersion = 1;

Json Header(std::string_view kind, const std::string& name, const BirthInput& input) {
    return {{"schema", kSchemaVersion}, {"kind", kind}, {"name", name}, {"date", IsoDate(input)}};
}

struct Options {
    bool json = false;
    bool report = false;
};

// Prints the object as one line, with the report's text in it when asked for.
int PrintJson(Json& object, const Options& options, const std::vector<ReportEntry>& report,
              std::ostream& out) {
    if (options.report)
        object["report"] = ReportPlainText(ComposeReport(report));
    out << object.dump() << "\n";
    return kExitOk;
}

int PrintFinancial(const BirthInput& input, const Options& options, std::ostream& out) {
    FinancialReading reading;
    reading.Name = TrimBlanks(input.name);
    reading.Day = static_cast<std::int16_t>(input.day);
    reading.Month = MonthName(input);
    reading.Year = static_cast<std::int16_t>(input.year);
    reading.Sign = FindSunSign(reading.Month, reading.Day);
    StarSignDescription(reading.Sign, reading.SunSign);
    Financial_Profile(reading.Sign, reading.Financial);
    const SunSignProfile& p = reading.SunSign;

    if (options.json) {
        Json object = Header("financial", reading.Name, input);
        object["sign"] = reading.Sign;
        object["profile"] = {
            {"element", p.Element},
            {"quality", p.Quality},
            {"rulingPlanet", p.RulingPlanet},
            {"positiveTraits", p.PositiveTraits},
            {"negativeTraits", p.NegativeTraits},
            {"luckyNumbers", LuckyNumbers(p.LuckyNumber)},
            {"luckyColor", p.LuckyColor},
            {"luckyDay", p.LuckyDay},
            {"compatibleSigns", ListItems(p.Compatibility, {" & ", " and ", ", "})},
            {"famousPeople", ListItems(p.FamousPersons, {", "})},
            {"birthStone", p.BirthStone},
        };
        object["text"] = reading.Financial.Text;
        object["attributes"] = AttributesJson(reading.Financial.Attributes, reading.Sign,
                                              modFinancialAstrology::Rating);
        return PrintJson(object, options, FinancialReportEntries(reading), out);
    }
    // On a terminal the name's control characters show as escapes.
    reading.Name = Visible(reading.Name);
    if (options.report) {
        out << ReportPlainText(ComposeReport(FinancialReportEntries(reading)));
        return kExitOk;
    }
    out << "Name: " << reading.Name << "\n"
        << "Date of Birth: " << reading.Month << " " << reading.Day << ", " << reading.Year << "\n"
        << "Sun Sign: " << reading.Sign << "\n"
        << "Element: " << p.Element << "\n"
        << "Quality: " << p.Quality << "\n"
        << "Ruling Planet: " << p.RulingPlanet << "\n"
        << "Lucky Number: " << p.LuckyNumber << "\n"
        << "Lucky Color: " << p.LuckyColor << "\n"
        << "Lucky Day: " << p.LuckyDay << "\n"
        << "Compatibility: " << p.Compatibility << "\n"
        << "Birth Stone: " << p.BirthStone << "\n"
        << "Famous Personalities Born Under this Sign: " << p.FamousPersons << "\n\n"
        << "Positive Traits:\n"
        << p.PositiveTraits << "\n\n"
        << "Negative Traits:\n"
        << p.NegativeTraits << "\n\n"
        << "Financial Profile:\n"
        << reading.Financial.Text << "\n\n";
    for (const ProfileAttribute& attribute : reading.Financial.Attributes)
        out << Shown(attribute.Label) << ": " << attribute.Sentence << "\n";
    return kExitOk;
}

std::string WithNewLines(std::string text) {
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

int PrintCareer(const BirthInput& input, const Options& options, std::ostream& out) {
    CareerReading reading{input.name, std::to_string(input.day), MonthName(input),
                          std::to_string(input.year), ""};
    reading.Sign = FindSunSign(reading.Month, input.day);
    const CareerProfile profile = *LookUpCareerProfile(reading.Sign);

    if (options.json) {
        Json object = Header("career", reading.Name, input);
        object["sign"] = reading.Sign;
        object["text"] = WithNewLines(profile.Text);
        object["attributes"] =
            AttributesJson(profile.Attributes, reading.Sign, modCareerAstrology::Rating);
        return PrintJson(object, options, CareerReportEntries(reading), out);
    }
    reading.Name = Visible(reading.Name);
    if (options.report) {
        out << ReportPlainText(ComposeReport(CareerReportEntries(reading)));
        return kExitOk;
    }
    out << "Name: " << reading.Name << "\n"
        << "Date of Birth: " << reading.Month << " " << reading.Day << ", " << reading.Year << "\n"
        << "Sun Sign: " << reading.Sign << "\n\n"
        << "Your Career Profile:\n"
        << WithNewLines(profile.Text) << "\n\n";
    for (const ProfileAttribute& attribute : profile.Attributes)
        out << attribute.Label << ": " << attribute.Sentence << "\n";
    return kExitOk;
}

int PrintPlanet(const Kind& kind, const BirthInput& input, const Options& options,
                std::ostream& out) {
    if (options.report)
        throw Refusal{"Only the financial and career readings have a report."};
    const PlanetTool& info = *kind.planet;
    const std::string sign(LookUpSign(TableOf(info.body), std::to_string(input.year),
                                      MonthName(input), std::to_string(input.day))
                               .value_or(""));
    const auto index = SignIndex(sign);
    const std::string interpretation(index ? info.interpretations[std::size_t(*index)] : "");
    if (options.json) {
        Json object = Header(kind.commandWord, input.name, input);
        object["body"] = TableOf(info.body).Body;
        object["sign"] = sign;
        object["interpretation"] = interpretation;
        out << object.dump() << "\n";
        return kExitOk;
    }
    out << "Name: " << Visible(input.name) << "\n"
        << "Date of Birth: " << input.day << " " << MonthName(input) << " " << input.year << "\n"
        << info.bodyLine << "\n"
        << info.placementLine << " " << sign << "\n";
    if (!interpretation.empty())
        out << "\n" << interpretation << "\n";
    return kExitOk;
}

int PrintReading(const Kind& kind, BirthInput input, const Options& options, std::ostream& out) {
    Check(kind, input);
    switch (kind.windows) {
    case WindowSet::Financial:
        return PrintFinancial(input, options, out);
    case WindowSet::Career:
        return PrintCareer(input, options, out);
    default:
        return PrintPlanet(kind, input, options, out);
    }
}

struct Arguments {
    std::vector<std::string> positional;
    std::optional<std::string> name;
    std::optional<std::string> date;
    Options options;
};

std::string WithUsage(const std::string& message) {
    return message + "\n\n" + Usage();
}

Arguments ParseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    // The word after --name or --date is its value whatever it is, so that a name may be empty or
    // start with "-"; these two are taken here, the flags, the words and any unknown option by
    // CLI11. As before, an option given twice counts once, its last value.
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string>* valued = nullptr;
        for (auto [option, target] :
             {std::pair{"--name", &parsed.name}, {"--date", &parsed.date}}) {
            const std::string prefix = std::string(option) + "=";
            if (arg == option) {
                if (i + 1 == args.size())
                    throw Refusal{WithUsage(arg + " needs a value.")};
                *target = args[++i];
                valued = target;
            } else if (arg.rfind(prefix, 0) == 0) {
                *target = arg.substr(prefix.size());
                valued = target;
            }
        }
        if (!valued)
            rest.push_back(arg);
    }
    CLI::App app;
    app.set_help_flag(); // --help is answered before parsing, whatever else is given
    app.allow_extras();
    app.add_flag("--json", parsed.options.json)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("--report", parsed.options.report)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("words", parsed.positional);
    try {
        // CLI11 takes the arguments last first.
        std::reverse(rest.begin(), rest.end());
        app.parse(rest);
    } catch (const CLI::ParseError& error) {
        throw Refusal{WithUsage(Visible(error.what()))};
    }
    for (const std::string& extra : app.remaining()) {
        if (extra.size() > 1 && extra[0] == '-')
            throw Refusal{WithUsage("Unknown option " + Visible(extra) + ".")};
        throw Refusal{WithUsage("Unexpected " + Visible(extra) + ".")};
    }
    return parsed;
}

// The name as the command line gives it: UTF-8 text no longer than a name box holds.
void CheckName(const std::string& name) {
    const auto length = Utf8Length(name);
    if (!length)
        throw Refusal{"The name is not valid UTF-8 text; check the terminal's character set."};
    if (*length > std::size_t(kMaxNameLength)) {
        throw Refusal{"The name has " + std::to_string(*length) +
                      " characters; a name may have at most " + std::to_string(kMaxNameLength) +
                      "."};
    }
}

BirthInput InputFrom(const Arguments& arguments) {
    if (!arguments.name || !arguments.date)
        throw Refusal{WithUsage("A reading needs --name and --date.")};
    CheckName(*arguments.name);
    BirthInput input = ParseDate(*arguments.date);
    input.name = *arguments.name;
    return input;
}

const Kind& KindOf(const std::string& word) {
    const Kind* kind = ToolOfCommandWord(word);
    if (!kind)
        throw Refusal{WithUsage("Unknown reading " + Visible(word) + ".")};
    return *kind;
}

constexpr std::string_view kCheckFile = "Please Check The File.";

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

int OpenFile(const std::string& path, const Options& options, std::ostream& out) {
    // As the entry windows: the last three characters, compared case-sensitively.
    const Kind& kind = EndsWith(path, "zod")   ? ToolOf(ReadingKind::Financial)
                       : EndsWith(path, "cwc") ? ToolOf(ReadingKind::Career)
                                               : throw Refusal{std::string(kCheckFile)};
    const ReadOutcome read = ReadRegularFile(path, kMaxSavedFileRead);
    if (!read.error.empty())
        throw Refusal{"Cannot read " + Visible(path) + ": " + read.error, kExitFailure};
    const ParsedSavedReading parsed = ParseSavedReading(read.bytes);
    if (parsed.overlong || parsed.lineCount < 4)
        throw Refusal{std::string(kCheckFile)};

    // Each date line must be an entry of its list.
    const YearRange years = YearsOf(kind);
    if (!IsListedDate(parsed.lines[2], parsed.lines[1], parsed.lines[3], years.first, years.last))
        throw Refusal{std::string(kCheckFile)};
    return PrintReading(kind,
                        {Windows1252ToUtf8(parsed.lines[0]), *Digits(parsed.lines[3]),
                         *MonthNumber(parsed.lines[1]), *Digits(parsed.lines[2])},
                        options, out);
}

// The last part of a path, after its last folder separator.
std::string_view BaseName(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

int SaveFile(const Kind& kind, BirthInput input, std::string path) {
    if (IsPlanet(kind))
        throw Refusal{"Only financial and career readings can be saved."};
    Check(kind, input);
    const std::string_view base = BaseName(path);
    if (base.empty() || base == "." || base == "..")
        throw Refusal{"\"" + Visible(path) + "\" is not a file name."};
    const std::string extension = kind.windows == WindowSet::Financial ? "zod" : "cwc";
    if (base.find('.') == std::string_view::npos)
        path += "." + extension;
    const std::string name =
        kind.windows == WindowSet::Financial ? std::string(TrimBlanks(input.name)) : input.name;
    if (const std::string unsavable = UnsavableCharacters(name); !unsavable.empty())
        throw Refusal{"The name contains characters that a saved reading cannot hold: " +
                      Visible(unsavable) + "."};
    const std::string content =
        FormatSavedReading({Utf8ToWindows1252(name), MonthName(input), std::to_string(input.day),
                            std::to_string(input.year)});

    auto failure = [&](const std::string& reason) {
        return Refusal{"The reading could not be saved to \"" + Visible(path) + "\".\n" + reason,
                       kExitFailure};
    };
    const SaveTarget target = CheckSaveTarget(path);
    if (!target.error.empty())
        throw failure(target.error);
    if (const std::string error = WriteFileAtomically(target, content); !error.empty())
        throw failure(error);
    return kExitOk;
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << Usage();
            return kExitOk;
        }
        if (arg == "--version") {
            out << kVersion;
            return kExitOk;
        }
    }
    try {
        const Arguments arguments = ParseArguments(args);
        const auto& words = arguments.positional;
        if (words.empty())
            throw Refusal{Usage()};
        if (words[0] == "open") {
            if (words.size() != 2)
                throw Refusal{WithUsage("open takes one file.")};
            return OpenFile(words[1], arguments.options, out);
        }
        if (words[0] == "save") {
            if (words.size() != 3)
                throw Refusal{WithUsage("save takes a reading and one file.")};
            return SaveFile(KindOf(words[1]), InputFrom(arguments), words[2]);
        }
        if (words.size() != 1)
            throw Refusal{WithUsage("Unexpected " + Visible(words[1]) + ".")};
        return PrintReading(KindOf(words[0]), InputFrom(arguments), arguments.options, out);
    } catch (const Refusal& refusal) {
        err << refusal.message;
        if (refusal.message.empty() || refusal.message.back() != '\n')
            err << "\n";
        return refusal.status;
    }
}

} // namespace orbika::cli
