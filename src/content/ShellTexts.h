// Fixed texts for the main window, the entry windows, the About box and the banners.

#pragma once

#include <array>
#include <string_view>

namespace orbika {

inline constexpr std::string_view kApplicationTitle = "Orbika Finance Astrology";
inline constexpr std::string_view kMainWindowCaption = "Orbika Finance Astrology v1.15";

} // namespace orbika

namespace orbika::content {

// Welcome panel on the main window.
extern const std::string_view kWelcomeIntro;
extern const std::string_view kCoBrandOffer;
extern const std::string_view kFullBrandOffer;

// Entry window introductions.
extern const std::string_view kFinancialIntro;
extern const std::string_view kCareerIntro;
extern const std::string_view kPowerIntro;
extern const std::string_view kLuckyIntro;
extern const std::string_view kCommunicationIntro;
extern const std::string_view kEnergyIntro;

// About box.
extern const std::string_view kAboutDescription;

// Banner lead-ins. The caller appends the publisher's site address and the closing
// words, so each lead ends with a blank.
extern const std::string_view kMainBannerLead;
extern const std::string_view kForumBannerLead;
extern const std::string_view kCareerForumBannerLead;

} // namespace orbika::content
