#include "modBanners.h"

#include "content/ShellTexts.h"
#include "links/PageAddresses.h"

namespace orbika {

std::string_view PageAddress(Page page) {
    switch (page) {
    case Page::OnlineHelp:
        return kOnlineHelpPageAddress;
    case Page::Home:
        return kHomePageAddress;
    case Page::Download:
        return kDownloadPageAddress;
    case Page::Donation:
        return kDonationPageAddress;
    case Page::FullBrand:
        return kFullBrandPageAddress;
    case Page::CoBrand:
        return kCoBrandPageAddress;
    }
    return {};
}

std::string_view SiteAddress() {
    std::string_view site = kHomePageAddress;
    if (const auto scheme = site.find("://"); scheme != std::string_view::npos)
        site.remove_prefix(scheme + 3);
    while (!site.empty() && site.back() == '/')
        site.remove_suffix(1);
    return site;
}

std::string MainBannerText() {
    return std::string(content::kMainBannerLead) + std::string(SiteAddress()) + " Now";
}

std::string ForumBannerText() {
    return std::string(content::kForumBannerLead) + std::string(SiteAddress()) + " Now";
}

std::string CareerResultBannerText() {
    return std::string(content::kCareerForumBannerLead) + "Click Here To Visit " +
           std::string(SiteAddress()) + " Now";
}

std::string CareerForumBannerText() {
    return CareerResultBannerText() + ".";
}

std::string AboutHomePageText() {
    return "Click here to visit " + std::string(kHomePageAddress);
}

} // namespace orbika
