#include "ToolRegistry.h"

#include "career/frmCareerAstrologyMain.h"
#include "financial/frmFinancialAstrologyMain.h"
#include "planets/PlanetSignWindows.h"
#include "reports/SavedReadingFiles.h"
#include "tools/Tools.h"

#include <array>

namespace orbika {

namespace {

using EntryFactory = ToolWindow* (*)(ToolHost&, ReadingKind);
using FileKindGetter = const SavedFileKind& (*)();
using FileOpener = void (*)(ToolWindow&, const QString&);

// The windows' side of the tool table: how each set of windows is made. Every planet-sign tool
// uses the one planet set, configured by its row.
struct WindowSetEntry {
    WindowSet set;
    EntryFactory createEntry;
    FileKindGetter savedFiles = nullptr; // none for tools whose readings are not saved
    FileOpener openFile = nullptr;
};

template <typename Window> ToolWindow* Create(ToolHost& host, ReadingKind) {
    return new Window(host);
}

ToolWindow* CreatePlanet(ToolHost& host, ReadingKind kind) {
    return new PlanetSignEntryWindow(host, ToolOf(kind));
}

template <typename Window> void OpenFile(ToolWindow& entry, const QString& path) {
    static_cast<Window&>(entry).openSavedFile(path);
}

constexpr std::array<WindowSetEntry, std::size_t(WindowSet::Count_)> kWindowSets = {{
    {WindowSet::Financial, &Create<frmFinancialAstrologyMain>, &FinancialFileKind,
     &OpenFile<frmFinancialAstrologyMain>},
    {WindowSet::Career, &Create<frmCareerAstrologyMain>, &CareerFileKind,
     &OpenFile<frmCareerAstrologyMain>},
    {WindowSet::PlanetSign, &CreatePlanet},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < kWindowSets.size(); ++i) {
            if (std::size_t(kWindowSets[i].set) != i)
                return false;
        }
        return true;
    }(),
    "one entry per WindowSet, in its order");

const WindowSetEntry& EntryOf(ReadingKind kind) {
    return kWindowSets[std::size_t(ToolOf(kind).windows)];
}

} // namespace

ToolWindow* CreateEntryWindow(ReadingKind kind, ToolHost& host) {
    return EntryOf(kind).createEntry(host, kind);
}

std::optional<ReadingKind> ToolOfSavedReading(const QString& path) {
    for (const Tool& tool : Tools()) {
        const WindowSetEntry& entry = EntryOf(tool.kind);
        if (entry.savedFiles && path.endsWith(entry.savedFiles().extension, Qt::CaseSensitive))
            return tool.kind;
    }
    return std::nullopt;
}

void OpenSavedReading(ToolWindow& entry, const QString& path) {
    if (const FileOpener open = EntryOf(entry.kind()).openFile)
        open(entry, path);
}

} // namespace orbika
