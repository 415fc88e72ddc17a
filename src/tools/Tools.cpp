#include "tools/Tools.h"

#include "content/PlanetTexts.h"
#include "content/ShellTexts.h"

#include <algorithm>

namespace orbika {

namespace {

constexpr YearRange kSunSignYears = {1900, 2050};

constexpr std::array<Tool, kToolCount> kTools = {{
    {
        .kind = ReadingKind::Financial,
        .windows = WindowSet::Financial,
        .caption = "Financial Astrology",
        .windowCaption = "Orbika Financial Astrology",
        .place = {0, 0},
        .decorationSign = 7,
        .nameRule = NameRule::Financial,
        .commandWord = "financial",
        .commandHelp = "sun sign, its profile and the financial profile",
        .years = kSunSignYears,
    },
    {
        .kind = ReadingKind::Career,
        .windows = WindowSet::Career,
        .caption = "Career Astrology",
        .windowCaption = "Orbika Career Astrology",
        .place = {0, 1},
        .decorationSign = 9,
        .nameRule = NameRule::Career,
        .commandWord = "career",
        .commandHelp = "sun sign and the career profile",
        .years = kSunSignYears,
    },
    {
        .kind = ReadingKind::LuckySign,
        .windows = WindowSet::PlanetSign,
        .caption = "Zodiac Lucky Sign",
        .windowCaption = "Orbika Zodiac Lucky Sign",
        .place = {1, 0},
        .decorationSign = 8,
        .nameRule = NameRule::PlanetSign,
        .commandWord = "lucky",
        .commandHelp = "the Zodiac Lucky Sign: Jupiter's sign",
        .planet =
            PlanetTool{
                .body = Body::Jupiter,
                .entryWindow = "frmZodiacLuckySignMain",
                .resultWindow = "frmZodiacLuckySignDisplay",
                .buttonCaption = "Find My Zodiac &Lucky Sign",
                .menuCommand = "mnuFindMyLuckySign",
                .intro = content::kLuckyIntro,
                .frameName = "fraLuckySign",
                .frameCaption = "Zodiac Lucky Sign",
                .bodyLineName = "Label9",
                .bodyLine = "Jupiter is known as the Planet of Luck",
                .placementName = "Label8",
                .placementLine = "Jupiter in your Chart is Placed in",
                .signLabelName = "lblLuckySign",
                .interpretations = content::kJupiterTexts,
            },
    },
    {
        .kind = ReadingKind::CommunicationSign,
        .windows = WindowSet::PlanetSign,
        .caption = "Zodiac Communication Sign",
        .windowCaption = "Orbika Zodiac Communication Sign",
        .place = {1, 1},
        .decorationSign = 3,
        .nameRule = NameRule::PlanetSign,
        .commandWord = "communication",
        .commandHelp = "the Zodiac Communication Sign: Mercury's sign",
        .planet =
            PlanetTool{
                .body = Body::Mercury,
                .entryWindow = "frmZodiacCommunicationSignMain",
                .resultWindow = "frmZodiacCommunicationSignDisplay",
                .buttonCaption = "Find My Zodiac &Communication Sign",
                .menuCommand = "mnuFind",
                .intro = content::kCommunicationIntro,
                .frameName = "fraCommunicationSign",
                .frameCaption = "Zodiac Communication Sign",
                .bodyLineName = "Label2",
                .bodyLine = "Mercury is known as the Planet of Communication",
                .placementName = "Label3",
                .placementLine = "Mercury in your Chart is Placed in",
                .signLabelName = "lblCommunicationSign",
                .interpretations = content::kMercuryTexts,
            },
    },
    {
        .kind = ReadingKind::EnergySign,
        .windows = WindowSet::PlanetSign,
        .caption = "Zodiac Energy Sign",
        .windowCaption = "Orbika Zodiac Energy Sign",
        .place = {1, 2},
        .decorationSign = 2,
        .nameRule = NameRule::PlanetSign,
        .commandWord = "energy",
        .commandHelp = "the Zodiac Energy Sign: Vesta's sign",
        .planet =
            PlanetTool{
                .body = Body::Vesta,
                .entryWindow = "frmZodiacEnergySignMain",
                .resultWindow = "frmZodiacEnergySignDisplay",
                .buttonCaption = "Find My Zodiac &Energy Sign",
                .menuCommand = "mnuFindSexualitySign",
                .intro = content::kEnergyIntro,
                .frameName = "fraSexualitySign",
                .frameCaption = "Zodiac Energy Sign",
                .bodyLineName = "Label2",
                .bodyLine = "Vesta is known as the Asteroid of Energy",
                .placementName = "Label12",
                .placementLine = "Vesta in your Chart is Placed in",
                .signLabelName = "lblSexualitySign",
                .interpretations = content::kVestaTexts,
            },
    },
    {
        .kind = ReadingKind::PowerSign,
        .windows = WindowSet::PlanetSign,
        .caption = "Zodiac Power Sign",
        .windowCaption = "Orbika Zodiac Power Sign",
        .place = {0, 2},
        .decorationSign = 4,
        .nameRule = NameRule::PlanetSign,
        .commandWord = "power",
        .commandHelp = "the Zodiac Power Sign: Pluto's sign",
        .planet =
            PlanetTool{
                .body = Body::Pluto,
                .entryWindow = "frmZodiacPowerSignMain",
                .resultWindow = "frmZodiacPowerSignDisplay",
                .buttonCaption = "Find My Zodiac &Power Sign",
                .menuCommand = "mnuFindPowerSign",
                .intro = content::kPowerIntro,
                .frameName = "fraPowerSign",
                .frameCaption = "Zodiac Power Sign",
                .bodyLineName = "Label13",
                .bodyLine = "Pluto is known as the Planet of Power",
                .placementName = "Label12",
                .placementLine = "Pluto in your Chart is Placed in",
                .signLabelName = "lblPowerSign",
                .interpretations = content::kPlutoTexts,
            },
    },
}};

// The checks that make a forgotten or half-written row fail the build.

constexpr bool RowsFollowTheKinds() {
    for (std::size_t i = 0; i < kTools.size(); ++i) {
        if (IndexOf(kTools[i].kind) != i)
            return false;
    }
    return true;
}
static_assert(RowsFollowTheKinds(), "one row per ReadingKind, in its order");

constexpr bool PlanetPartComplete(const PlanetTool& p) {
    for (const std::string_view text :
         {p.entryWindow, p.resultWindow, p.buttonCaption, p.menuCommand, p.frameName,
          p.frameCaption, p.bodyLineName, p.bodyLine, p.placementName, p.placementLine,
          p.signLabelName}) {
        if (text.empty())
            return false;
    }
    return int(p.body) >= 0 && int(p.body) < kBodyCount;
}

constexpr bool RowComplete(const Tool& tool) {
    const bool planetFamily = tool.windows == WindowSet::PlanetSign;
    if (tool.caption.empty() || tool.windowCaption.empty() || tool.commandWord.empty() ||
        tool.commandHelp.empty() || tool.place.row < 0 || tool.place.column < 0 ||
        tool.decorationSign < 0 || tool.decorationSign > 11)
        return false;
    if (planetFamily != tool.planet.has_value() ||
        planetFamily != (tool.nameRule == NameRule::PlanetSign))
        return false;
    // A planet tool reads the years of its table; the others say theirs.
    if (planetFamily)
        return tool.years.first == 0 && PlanetPartComplete(*tool.planet);
    return tool.years.first > 0 && tool.years.first <= tool.years.last;
}
static_assert(std::all_of(kTools.begin(), kTools.end(), RowComplete),
              "every row fills every field its kind of tool needs");

template <typename Key> constexpr bool Distinct(Key key) {
    for (std::size_t i = 0; i < kTools.size(); ++i) {
        for (std::size_t j = i + 1; j < kTools.size(); ++j) {
            if (key(kTools[i]) == key(kTools[j]))
                return false;
        }
    }
    return true;
}
static_assert(Distinct([](const Tool& t) { return t.caption; }), "captions differ");
static_assert(Distinct([](const Tool& t) { return t.commandWord; }), "command words differ");
static_assert(Distinct([](const Tool& t) { return t.place.row * 100 + t.place.column; }),
              "each button has a place of its own");
static_assert(Distinct([](const Tool& t) { return t.planet ? t.planet->entryWindow : t.caption; }),
              "planet windows have names of their own");
static_assert(Distinct([](const Tool& t) { return t.planet ? t.planet->resultWindow : t.caption; }),
              "planet windows have names of their own");

// Each data file is read by exactly one tool: a table without a row fails here.
constexpr bool EveryBodyHasOneTool() {
    for (int body = 0; body < kBodyCount; ++body) {
        const auto users = std::count_if(kTools.begin(), kTools.end(), [body](const Tool& t) {
            return t.planet && int(t.planet->body) == body;
        });
        if (users != 1)
            return false;
    }
    return true;
}
static_assert(EveryBodyHasOneTool(), "every planet data file has exactly one tool");

} // namespace

const std::array<Tool, kToolCount>& Tools() {
    return kTools;
}

const Tool& ToolOf(ReadingKind kind) {
    return kTools[IndexOf(kind)];
}

const Tool* ToolOfCommandWord(std::string_view word) {
    const auto tool = std::find_if(kTools.begin(), kTools.end(),
                                   [word](const Tool& t) { return t.commandWord == word; });
    return tool == kTools.end() ? nullptr : &*tool;
}

YearRange YearsOf(const Tool& tool) {
    if (!tool.planet)
        return tool.years;
    const PlanetSignTable& table = TableOf(tool.planet->body);
    return {table.FirstYear, table.LastYear};
}

} // namespace orbika
