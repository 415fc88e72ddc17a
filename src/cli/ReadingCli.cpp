#include "ReadingCli.h"

#include "Json.h"
#include "birth/modBirthData.h"
#include "birth/modSunSignProfile.h"
#include "career/modCareerAstrology.h"
#include "financial/modFinancialAstrology.h"
#include "planets/modPlanetReadings.h"
#include "planets/modPlanetSigns.h"
#include "reports/modCodePage.h"
#include "reports/modReports.h"
#include "reports/modSavedReading.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <random>

namespace orbika::cli {

namespace {

constexpr std::string_view kUsage =
    "Usage: orbika-reading KIND --name NAME --date YYYY-MM-DD [--json] [--report]\n"
    "       orbika-reading open FILE [--json] [--report]\n"
    "       orbika-reading save KIND --name NAME --date YYYY-MM-DD FILE\n"
    "\n"
    "Gives an Orbika Finance Astrology reading for a name and birth date.\n"
    "\n"
    "KIND is one of:\n"
    "  financial      sun sign, its profile and the financial profile (years 1900-2050)\n"
    "  career         sun sign and the career profile (years 1900-2050)\n"
    "  power          the Zodiac Power Sign: Pluto's sign (years 1900-2022)\n"
    "  lucky          the Zodiac Lucky Sign: Jupiter's sign (years 1900-2024)\n"
    "  communication  the Zodiac Communication Sign: Mercury's sign (years 1930-2012)\n"
    "  energy         the Zodiac Energy Sign: Vesta's sign (years 1930-2012)\n"
    "\n"
    "Options:\n"
    "  --name NAME    the person's name (the planet-sign readings take letters and blanks)\n"
    "  --date DATE    the birth date, YYYY-MM-DD\n"
    "  --json         print the reading as one JSON object\n"
    "  --report       print the Financial or Career report as the report window shows it\n"
    "  --help         print this help and exit\n"
    "  --version      print the version and exit\n"
    "\n"
    "open reads a saved reading (.zod: Financial, .cwc: Career) and prints it; save writes one.\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 bad usage or input refused.\n";

constexpr std::string_view kVersion = "orbika-reading 1.15\n";

enum class KindId { Financial, Career, Power, Lucky, Communication, Energy };

struct Kind {
    std::string_view word;
    KindId id;
    ReadingKind reading;
    NameRule rule;
};

constexpr std::array<Kind, 6> kKinds = {{
    {"financial", KindId::Financial, ReadingKind::Financial, NameRule::Financial},
    {"career", KindId::Career, ReadingKind::Career, NameRule::Career},
    {"power", KindId::Power, ReadingKind::PowerSign, NameRule::PlanetSign},
    {"lucky", KindId::Lucky, ReadingKind::LuckySign, NameRule::PlanetSign},
    {"communication", KindId::Communication, ReadingKind::CommunicationSign, NameRule::PlanetSign},
    {"energy", KindId::Energy, ReadingKind::EnergySign, NameRule::PlanetSign},
}};

constexpr int kSunSignFirstYear = 1900;
constexpr int kSunSignLastYear = 2050;

bool IsPlanet(const Kind& kind) {
    return kind.rule == NameRule::PlanetSign;
}

std::pair<int, int> Years(const Kind& kind) {
    if (!IsPlanet(kind))
        return {kSunSignFirstYear, kSunSignLastYear};
    const PlanetSignTable& table = TableOf(PlanetReadingOf(kind.reading).body);
    return {table.FirstYear, table.LastYear};
}

const Kind* FindKind(std::string_view word) {
    for (const Kind& kind : kKinds) {
        if (kind.word == word)
            return &kind;
    }
    return nullptr;
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
    const auto [firstYear, lastYear] = Years(kind);
    // The name check comes first, as in the windows; a date outside the lists is refused before
    // the date check could look at it.
    const BirthDataVerdict nameOnly = ValidateBirthData(kind.rule, input.name, 0, 0, firstYear);
    if (!nameOnly.accepted)
        throw Refusal{std::string(nameOnly.message)};
    if (input.year < firstYear || input.year > lastYear) {
        throw Refusal{"The " + std::string(InfoOf(kind.reading).caption) +
                      " reading covers the years " + std::to_string(firstYear) + " to " +
                      std::to_string(lastYear) + "."};
    }
    const BirthDataVerdict verdict =
        ValidateBirthData(kind.rule, input.name, input.day - 1, input.month - 1, input.year);
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

std::string AttributesJson(const std::array<ProfileAttribute, 12>& attributes) {
    std::string json = "[";
    for (const ProfileAttribute& attribute : attributes) {
        if (json.size() > 1)
            json += ",";
        json += JsonObject()
                    .add("label", Shown(attribute.Label))
                    .add("sentence", attribute.Sentence)
                    .str();
    }
    return json + "]";
}

struct Options {
    bool json = false;
    bool report = false;
};

// With --json prints the object (and the report in it when asked); with --report alone prints the
// report. False when neither was asked for: the caller prints the plain reading.
bool PrintJsonOrReport(JsonObject& object, const std::string& report, const Options& options,
                       std::ostream& out) {
    if (options.json) {
        if (options.report)
            object.add("report", report);
        out << object.str() << "\n";
        return true;
    }
    if (options.report) {
        out << report;
        return true;
    }
    return false;
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
    const std::string report = ReportPlainText(ComposeReport(FinancialReportEntries(reading)));

    JsonObject object;
    if (options.json) {
        const SunSignProfile& p = reading.SunSign;
        JsonObject profile;
        profile.add("element", p.Element)
            .add("quality", p.Quality)
            .add("rulingPlanet", p.RulingPlanet)
            .add("positiveTraits", p.PositiveTraits)
            .add("negativeTraits", p.NegativeTraits)
            .add("luckyNumber", p.LuckyNumber)
            .add("luckyColor", p.LuckyColor)
            .add("luckyDay", p.LuckyDay)
            .add("compatibility", p.Compatibility)
            .add("famousPersons", p.FamousPersons)
            .add("birthStone", p.BirthStone);
        object.add("kind", "financial")
            .add("name", reading.Name)
            .add("date", IsoDate(input))
            .add("sign", reading.Sign)
            .addRaw("profile", profile.str())
            .add("text", reading.Financial.Text)
            .addRaw("attributes", AttributesJson(reading.Financial.Attributes));
    }
    if (PrintJsonOrReport(object, report, options, out))
        return kExitOk;
    const SunSignProfile& p = reading.SunSign;
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
    CareerReportSource shown{profile.Sign, profile.Text, {}};
    for (std::size_t a = 0; a < 12; ++a)
        shown.sentences[a] = profile.Attributes[a].Sentence;
    const std::string report = ReportPlainText(ComposeReport(CareerReportEntries(reading, shown)));

    JsonObject object;
    if (options.json) {
        object.add("kind", "career")
            .add("name", reading.Name)
            .add("date", IsoDate(input))
            .add("sign", reading.Sign)
            .add("text", WithNewLines(profile.Text))
            .addRaw("attributes", AttributesJson(profile.Attributes));
    }
    if (PrintJsonOrReport(object, report, options, out))
        return kExitOk;
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
    const PlanetReadingInfo& info = PlanetReadingOf(kind.reading);
    PlanetSigns signs;
    FindSign(info.body, signs, std::to_string(input.year), MonthName(input),
             std::to_string(input.day));
    const std::string& sign = signs.of(info.body);
    const auto index = SignIndex(sign);
    const std::string interpretation(index ? (*info.interpretations)[std::size_t(*index)] : "");
    if (options.json) {
        out << JsonObject()
                   .add("kind", kind.word)
                   .add("name", input.name)
                   .add("date", IsoDate(input))
                   .add("body", TableOf(info.body).Body)
                   .add("sign", sign)
                   .add("interpretation", interpretation)
                   .str()
            << "\n";
        return kExitOk;
    }
    out << "Name: " << input.name << "\n"
        << "Date of Birth: " << input.day << " " << MonthName(input) << " " << input.year << "\n"
        << info.bodyLine << "\n"
        << info.placementLine << " " << sign << "\n";
    if (!interpretation.empty())
        out << "\n" << interpretation << "\n";
    return kExitOk;
}

int PrintReading(const Kind& kind, BirthInput input, const Options& options, std::ostream& out) {
    Check(kind, input);
    switch (kind.id) {
    case KindId::Financial:
        return PrintFinancial(input, options, out);
    case KindId::Career:
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

Arguments ParseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string_view option) -> std::optional<std::string> {
            if (arg == option) {
                if (i + 1 >= args.size())
                    throw Refusal{std::string(option) + " needs a value.\n\n" +
                                  std::string(kUsage)};
                return args[++i];
            }
            if (arg.rfind(std::string(option) + "=", 0) == 0)
                return arg.substr(option.size() + 1);
            return std::nullopt;
        };
        if (auto name = value("--name")) {
            parsed.name = name;
        } else if (auto date = value("--date")) {
            parsed.date = date;
        } else if (arg == "--json") {
            parsed.options.json = true;
        } else if (arg == "--report") {
            parsed.options.report = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw Refusal{"Unknown option " + arg + ".\n\n" + std::string(kUsage)};
        } else {
            parsed.positional.push_back(arg);
        }
    }
    return parsed;
}

BirthInput InputFrom(const Arguments& arguments) {
    if (!arguments.name || !arguments.date)
        throw Refusal{"A reading needs --name and --date.\n\n" + std::string(kUsage)};
    BirthInput input = ParseDate(*arguments.date);
    input.name = *arguments.name;
    return input;
}

const Kind& KindOf(const std::string& word) {
    const Kind* kind = FindKind(word);
    if (!kind)
        throw Refusal{"Unknown reading " + word + ".\n\n" + std::string(kUsage)};
    return *kind;
}

constexpr std::string_view kCheckFile = "Please Check The File.";

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

int OpenFile(const std::string& path, const Options& options, std::ostream& out) {
    // As the entry windows: the last three characters, compared case-sensitively.
    const Kind& kind = EndsWith(path, "zod")   ? *FindKind("financial")
                       : EndsWith(path, "cwc") ? *FindKind("career")
                                               : throw Refusal{std::string(kCheckFile)};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw Refusal{"Cannot read " + path + ": " + std::strerror(errno) + ".", kExitFailure};
    std::string bytes(kMaxSavedFileRead, '\0');
    file.read(bytes.data(), std::streamsize(bytes.size()));
    bytes.resize(std::size_t(file.gcount()));
    const ParsedSavedReading parsed = ParseSavedReading(bytes);
    if (parsed.lineCount < 4)
        throw Refusal{std::string(kCheckFile)};

    // Each date line must be an entry of its list.
    const auto month = MonthNumber(parsed.lines[1]);
    const auto day = Digits(parsed.lines[2]);
    const auto year = Digits(parsed.lines[3]);
    if (!month || !day || !year || *day < 1 || *day > 31 ||
        std::to_string(*day) != parsed.lines[2] || std::to_string(*year) != parsed.lines[3] ||
        *year < kSunSignFirstYear || *year > kSunSignLastYear)
        throw Refusal{std::string(kCheckFile)};
    return PrintReading(kind, {Windows1252ToUtf8(parsed.lines[0]), *year, *month, *day}, options,
                        out);
}

int SaveFile(const Kind& kind, BirthInput input, std::string path) {
    if (IsPlanet(kind))
        throw Refusal{"Only financial and career readings can be saved."};
    Check(kind, input);
    const std::string extension = kind.id == KindId::Financial ? "zod" : "cwc";
    if (std::filesystem::path(path).extension().empty())
        path += "." + extension;
    const std::string name =
        kind.id == KindId::Financial ? std::string(TrimBlanks(input.name)) : input.name;
    if (const std::string unsavable = UnsavableCharacters(name); !unsavable.empty())
        throw Refusal{
            "The name contains characters that a saved reading cannot hold: " + unsavable + "."};
    const std::string content =
        FormatSavedReading({Utf8ToWindows1252(name), MonthName(input), std::to_string(input.day),
                            std::to_string(input.year)});

    // All or nothing: write beside the target, then rename over it.
    const std::filesystem::path target(path);
    std::filesystem::path temporary = target;
    temporary += ".tmp" + std::to_string(std::random_device{}());
    auto fail = [&](const std::string& reason) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Refusal{"The reading could not be saved to \"" + path + "\".\n" + reason,
                       kExitFailure};
    };
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file)
            throw fail(std::strerror(errno));
        file.write(content.data(), std::streamsize(content.size()));
        file.close();
        if (!file)
            throw fail(std::strerror(errno));
    }
    std::error_code error;
    if (std::filesystem::is_directory(target, error))
        throw fail("A folder of that name is in the way.");
    std::filesystem::rename(temporary, target, error);
    if (error)
        throw fail(error.message());
    return kExitOk;
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
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
            throw Refusal{std::string(kUsage)};
        if (words[0] == "open") {
            if (words.size() != 2)
                throw Refusal{"open takes one file.\n\n" + std::string(kUsage)};
            return OpenFile(words[1], arguments.options, out);
        }
        if (words[0] == "save") {
            if (words.size() != 3)
                throw Refusal{"save takes a reading and one file.\n\n" + std::string(kUsage)};
            return SaveFile(KindOf(words[1]), InputFrom(arguments), words[2]);
        }
        if (words.size() != 1)
            throw Refusal{"Unexpected " + words[1] + ".\n\n" + std::string(kUsage)};
        return PrintReading(KindOf(words[0]), InputFrom(arguments), arguments.options, out);
    } catch (const Refusal& refusal) {
        err << refusal.message;
        if (refusal.message.empty() || refusal.message.back() != '\n')
            err << "\n";
        return refusal.status;
    }
}

} // namespace orbika::cli
