#pragma once

#include <cstddef>

namespace orbika {

// The tools, in the order of the tool table (tools/Tools.h). A new tool is an enumerator here and
// its row there; the table's checks fail the build when one is missing.
enum class ReadingKind {
    Financial,
    Career,
    LuckySign,
    CommunicationSign,
    EnergySign,
    PowerSign,
    Count_ // not a tool
};

inline constexpr std::size_t kToolCount = std::size_t(ReadingKind::Count_);

constexpr std::size_t IndexOf(ReadingKind kind) {
    return static_cast<std::size_t>(kind);
}

} // namespace orbika
