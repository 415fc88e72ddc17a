#pragma once
// The page openers and the Help / Donate / Make Money Online menus that every window with a
// menu bar shares.

#include "modBanners.h"

#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace orbika {

class Platform;
class LinkLabel;

void OpenPage(Platform& platform, Page page);
void OpenHomePage(Platform& platform);
void OpenDownloadPage(Platform& platform);

// Object names of the parts that differ from window to window.
struct HelpMenuNames {
    const char* firstSeparator;
    const char* secondSeparator;
    const char* makeMoney;
    bool updateKeyOnC = false; // planet-sign result windows: "&Check for Software Update"
};

inline constexpr HelpMenuNames kMainHelpNames{"mnuSep1", "mnuSep2", "mkmoney"};
inline constexpr HelpMenuNames kCareerEntryHelpNames{"mnuSep1", "mnuSep2", "mnuMakeMoney"};
inline constexpr HelpMenuNames kResultHelpNames{"mnuHelpSep1", "mnuHelpSep2", "mnuMakeMoney"};
inline constexpr HelpMenuNames kPlanetEntryHelpNames{"mnuHelp1", "mnuHelp2", "mnuMakeMoneyOnline"};
inline constexpr HelpMenuNames kPlanetResultHelpNames{"mnuFileSep1", "mnuFileSep2",
                                                      "mnuMakeMoneyOnline", true};

// Adds "&Help", "&Donate" and the "Make Money &Online" item (kept hidden: the offer is not made
// from the menus) after whatever the bar already holds.
void AddSharedMenus(QMenuBar* bar, Platform& platform, const HelpMenuNames& names,
                    const std::function<void()>& showAbout);

// An action with an object name, so that every menu item can be found by its name.
QAction* AddNamedAction(QMenu* menu, const char* objectName, const QString& text);

// Makes a link label open `page` when clicked.
void ConnectLink(LinkLabel* label, Platform& platform, Page page);

} // namespace orbika
