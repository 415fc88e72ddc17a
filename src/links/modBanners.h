#pragma once
// Banner and link-label texts that carry the publisher's site address.

#include <string>
#include <string_view>

namespace orbika {

enum class Page { OnlineHelp, Home, Download, Donation, FullBrand, CoBrand };

std::string_view PageAddress(Page page);

// The home page without its scheme and trailing slash, as the banners write it
// ("https://www.orbika.example/" gives "www.orbika.example").
std::string_view SiteAddress();

std::string MainBannerText();         // main window's banner
std::string ForumBannerText();        // Financial and planet-sign windows' forum banner
std::string CareerForumBannerText();  // Career entry and report windows
std::string CareerResultBannerText(); // Career result window: no final full stop
std::string AboutHomePageText();      // "Click here to visit " + home page

} // namespace orbika
