#include "ToolRegistry.h"

#include "career/frmCareerAstrologyMain.h"
#include "financial/frmFinancialAstrologyMain.h"
#include "planets/PlanetSignWindows.h"
#include "reports/SavedReadingFiles.h"

#include <array>

namespace orbika {

namespace {

using EntryFactory = ToolWindow* (*)(ToolHost&);
using FileKindGetter = const SavedFileKind& (*)();
using FileOpener = void (*)(ToolWindow&, const QString&);

struct ToolEntry {
    ReadingKind kind;
    EntryFactory createEntry;
    FileKindGetter savedFiles = nullptr; // none for tools whose readings are not saved
    FileOpener openFile = nullptr;
};

template <typename Window> ToolWindow* Create(ToolHost& host) {
    return new Window(host);
}

template <typename Window> void OpenFile(ToolWindow& entry, const QString& path) {
    static_cast<Window&>(entry).openSavedFile(path);
}

// In the order of kReadingKinds.
constexpr std::array<ToolEntry, 6> kTools = {{
    {ReadingKind::Financial, &Create<frmFinancialAstrologyMain>, &FinancialFileKind,
     &OpenFile<frmFinancialAstrologyMain>},
    {ReadingKind::Career, &Create<frmCareerAstrologyMain>, &CareerFileKind,
     &OpenFile<frmCareerAstrologyMain>},
    {ReadingKind::LuckySign, &Create<frmZodiacLuckySignMain>},
    {ReadingKind::CommunicationSign, &Create<frmZodiacCommunicationSignMain>},
    {ReadingKind::EnergySign, &Create<frmZodiacEnergySignMain>},
    {ReadingKind::PowerSign, &Create<frmZodiacPowerSignMain>},
}};

static_assert([] {
    for (std::size_t i = 0; i < kTools.size(); ++i) {
        if (kTools[i].kind != kReadingKinds[i].kind)
            return false;
    }
    return true;
}());

} // namespace

ToolWindow* CreateEntryWindow(ReadingKind kind, ToolHost& host) {
    return kTools[static_cast<std::size_t>(kind)].createEntry(host);
}

std::optional<ReadingKind> ToolOfSavedReading(const QString& path) {
    for (const ToolEntry& tool : kTools) {
        if (tool.savedFiles && path.endsWith(tool.savedFiles().extension, Qt::CaseSensitive))
            return tool.kind;
    }
    return std::nullopt;
}

void OpenSavedReading(ToolWindow& entry, const QString& path) {
    if (const FileOpener open = kTools[static_cast<std::size_t>(entry.kind())].openFile)
        open(entry, path);
}

} // namespace orbika
