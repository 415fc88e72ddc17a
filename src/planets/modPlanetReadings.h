#pragma once
// The planet-sign readings share one design; this table holds what differs between them.

#include "content/PlanetTexts.h"
#include "content/ShellTexts.h"
#include "modPlanetSigns.h"
#include "tools/ReadingKinds.h"

#include <array>
#include <string_view>

namespace orbika {

struct PlanetReadingInfo {
    ReadingKind kind;
    Body body;
    std::string_view entryWindow; // object names of the two windows
    std::string_view resultWindow;
    std::string_view buttonCaption; // cmdNext and its File-menu twin
    std::string_view menuTwin;
    const std::string_view* intro; // a pointer keeps this table constexpr with the text in a .cpp
    std::string_view frameName;
    std::string_view frameCaption;
    std::string_view bodyLineName;
    std::string_view bodyLine;
    std::string_view placementName;
    std::string_view placementLine;
    std::string_view signLabelName;
    const std::array<std::string_view, 12>* interpretations;
};

inline constexpr std::array<PlanetReadingInfo, 4> kPlanetReadings = {{
    {ReadingKind::PowerSign, Body::Pluto, "frmZodiacPowerSignMain", "frmZodiacPowerSignDisplay",
     "Find My Zodiac &Power Sign", "mnuFindPowerSign", &content::kPowerIntro, "fraPowerSign",
     "Zodiac Power Sign", "Label13", "Pluto is known as the Planet of Power", "Label12",
     "Pluto in your Chart is Placed in", "lblPowerSign", &content::kPlutoTexts},
    {ReadingKind::LuckySign, Body::Jupiter, "frmZodiacLuckySignMain", "frmZodiacLuckySignDisplay",
     "Find My Zodiac &Lucky Sign", "mnuFindMyLuckySign", &content::kLuckyIntro, "fraLuckySign",
     "Zodiac Lucky Sign", "Label9", "Jupiter is known as the Planet of Luck", "Label8",
     "Jupiter in your Chart is Placed in", "lblLuckySign", &content::kJupiterTexts},
    {ReadingKind::CommunicationSign, Body::Mercury, "frmZodiacCommunicationSignMain",
     "frmZodiacCommunicationSignDisplay", "Find My Zodiac &Communication Sign", "mnuFind",
     &content::kCommunicationIntro, "fraCommunicationSign", "Zodiac Communication Sign", "Label2",
     "Mercury is known as the Planet of Communication", "Label3",
     "Mercury in your Chart is Placed in", "lblCommunicationSign", &content::kMercuryTexts},
    {ReadingKind::EnergySign, Body::Vesta, "frmZodiacEnergySignMain", "frmZodiacEnergySignDisplay",
     "Find My Zodiac &Energy Sign", "mnuFindSexualitySign", &content::kEnergyIntro,
     "fraSexualitySign", "Zodiac Energy Sign", "Label2", "Vesta is known as the Asteroid of Energy",
     "Label12", "Vesta in your Chart is Placed in", "lblSexualitySign", &content::kVestaTexts},
}};

constexpr const PlanetReadingInfo& PlanetReadingOf(ReadingKind kind) {
    for (const PlanetReadingInfo& info : kPlanetReadings) {
        if (info.kind == kind)
            return info;
    }
    return kPlanetReadings[0];
}

} // namespace orbika
