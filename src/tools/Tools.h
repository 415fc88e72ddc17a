#pragma once
// The tool table: one row says everything that differs between the tools, and every other list
// of tools in the program is derived from it.

#include "birth/modBirthData.h"
#include "planets/modPlanetSigns.h"
#include "tools/ReadingKind.h"

#include <array>
#include <optional>
#include <string_view>

namespace orbika {

// Which windows a tool opens. The planet-sign tools share one set, configured by their row.
enum class WindowSet { Financial, Career, PlanetSign, Count_ };

// Where a tool's button stands on the main window's tool strip; the Tab key follows the rows.
struct ButtonPlace {
    int row = -1;
    int column = -1;
};

// What a planet-sign tool shows: the designed object names of its windows and controls, and its
// texts.
struct PlanetTool {
    Body body;
    std::string_view entryWindow;   // object name of the entry window
    std::string_view resultWindow;  // object name of the result window
    std::string_view buttonCaption; // cmdNext, and the File-menu command beside it
    std::string_view menuCommand;   // object name of that File-menu command
    const std::string_view& intro;  // the entry window's introduction
    std::string_view frameName;     // the result's frame: object name and caption
    std::string_view frameCaption;
    std::string_view bodyLineName; // "… is known as …", bold
    std::string_view bodyLine;
    std::string_view placementName; // "… in your Chart is Placed in"
    std::string_view placementLine;
    std::string_view signLabelName;                          // the label that shows the sign
    const std::array<std::string_view, 12>& interpretations; // by sign, Aries first
};

struct YearRange {
    int first = 0;
    int last = 0; // inclusive
};

struct Tool {
    ReadingKind kind;
    WindowSet windows;
    std::string_view caption;       // tool button and welcome-panel caption
    std::string_view windowCaption; // caption of every window of the tool
    ButtonPlace place;
    int decorationSign = -1; // the sign whose small picture stands beside the button
    NameRule nameRule;
    std::string_view commandWord; // orbika-reading's word for the tool
    std::string_view commandHelp; // its line in orbika-reading --help, without the years
    YearRange years = {}; // the years the tool reads; a planet tool's come from its data file
    std::optional<PlanetTool> planet = {}; // the planet-sign tools only
};

// In the order of ReadingKind, which is the order of the welcome panel's captions.
const std::array<Tool, kToolCount>& Tools();

const Tool& ToolOf(ReadingKind kind);
// The years the tool's year list offers.
YearRange YearsOf(const Tool& tool);
// The tool orbika-reading calls `word`, or null.
const Tool* ToolOfCommandWord(std::string_view word);

} // namespace orbika
