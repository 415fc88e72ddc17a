#pragma once
// The tools of the main window, in button order. The welcome panel lists the same tools as its
// captions from kCaptionIndexOffset on, so a caption index is the button index plus that offset.

#include <array>
#include <string_view>

namespace orbika {

enum class ReadingKind { Financial, Career, LuckySign, CommunicationSign, EnergySign, PowerSign };

struct ReadingKindInfo {
    ReadingKind kind;
    std::string_view caption;       // button and welcome-panel caption
    std::string_view windowCaption; // caption of every window of the tool
};

inline constexpr std::array<ReadingKindInfo, 6> kReadingKinds = {{
    {ReadingKind::Financial, "Financial Astrology", "Orbika Financial Astrology"},
    {ReadingKind::Career, "Career Astrology", "Orbika Career Astrology"},
    {ReadingKind::LuckySign, "Zodiac Lucky Sign", "Orbika Zodiac Lucky Sign"},
    {ReadingKind::CommunicationSign, "Zodiac Communication Sign",
     "Orbika Zodiac Communication Sign"},
    {ReadingKind::EnergySign, "Zodiac Energy Sign", "Orbika Zodiac Energy Sign"},
    {ReadingKind::PowerSign, "Zodiac Power Sign", "Orbika Zodiac Power Sign"},
}};

inline constexpr int kCaptionIndexOffset = 3;

constexpr const ReadingKindInfo& InfoOf(ReadingKind kind) {
    return kReadingKinds[static_cast<std::size_t>(kind)];
}

} // namespace orbika
