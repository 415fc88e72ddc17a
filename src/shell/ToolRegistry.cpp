#include "ToolRegistry.h"

#include "career/frmCareerAstrologyMain.h"
#include "financial/frmFinancialAstrologyMain.h"
#include "planets/PlanetSignWindows.h"

#include <array>

namespace orbika {

namespace {

using EntryFactory = ToolWindow* (*)(ToolHost&);

struct ToolEntry {
    ReadingKind kind;
    EntryFactory createEntry;
};

template <typename Window> ToolWindow* Create(ToolHost& host) {
    return new Window(host);
}

// In the order of kReadingKinds.
constexpr std::array<ToolEntry, 6> kTools = {{
    {ReadingKind::Financial, &Create<frmFinancialAstrologyMain>},
    {ReadingKind::Career, &Create<frmCareerAstrologyMain>},
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

} // namespace orbika
