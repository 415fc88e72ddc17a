#include "content/ShellTexts.h"

namespace orbika::content {

constexpr std::string_view kWelcomeIntro =
    "Orbika Finance Astrology gives you personal astrology readings from your name and birth "
    "date. Discover what the stars say about your money, your career and the signs of the "
    "planets.";

constexpr std::string_view kCoBrandOffer =
    "Put your own name on this software! We can co-brand Orbika Finance Astrology for your web "
    "site and give all your visitors a reason to come back. Click Here for more info on "
    "co-branding.";

constexpr std::string_view kFullBrandOffer =
    "Home Business Opportunity. Get this software fully branded with your name for your web site "
    "and start making money online from home. Click here for more details.";

constexpr std::string_view kFinancialIntro =
    "Enter your name and birth date below to find your personal financial profile. Your sun sign "
    "reveals how you earn, save and spend money and where your best chances for wealth and "
    "lasting security lie.";

constexpr std::string_view kCareerIntro =
    "Enter your name and birth date below to learn your personal career profile. Your sun sign "
    "shows the work that suits you best, the talents you bring to every job and the path most "
    "likely to lead you to true success.";

constexpr std::string_view kPowerIntro =
    "Orbika Zodiac Power Sign describes you from the place of Pluto in your birth chart. Pluto "
    "is the planet of changes and transformations. It rules the deep forces that close one "
    "chapter of your life and open the next. Learn where your inner power lies, how you can make "
    "a new beginning, and how to bring old negative issues to an end once and for all.";

constexpr std::string_view kLuckyIntro =
    "Orbika Zodiac Lucky Sign describes you from the place of Jupiter in your birth chart. "
    "Jupiter is the planet of luck, growth and plenty. It shows how much status and power mean "
    "to you, how they shape your outlook and how you handle success when it comes. Find out "
    "where good fortune waits for you.";

constexpr std::string_view kCommunicationIntro =
    "Orbika Zodiac Communication Sign describes you from the place of Mercury in your birth "
    "chart. Mercury is the planet of communication. It shows how you express yourself, how you "
    "think and learn, and how you reach decisions large and small. Discover your natural style "
    "so that you can speak, listen and choose with more confidence.";

constexpr std::string_view kEnergyIntro =
    "Orbika Zodiac Energy Sign describes you from the place of Vesta in your birth chart. Vesta "
    "is an asteroid of drive, focus and devotion. It shows where your energy flows most readily "
    "and the areas of life you should concentrate on so you do not feel drained, scattered or "
    "burnt out.";

constexpr std::string_view kAboutDescription =
    "Orbika Finance Astrology is a Western zodiac tool that paints a detailed picture of your "
    "business and financial profile. Enter your name and birth date to receive personal "
    "readings: Financial Astrology, Career Astrology, Zodiac Power Sign, Zodiac Lucky Sign, "
    "Zodiac Communication Sign and Zodiac Energy Sign. Together they show how you handle money, "
    "which kind of work suits you, where your power and luck lie, how you think and speak, and "
    "where your energy and devotion are best spent.";

constexpr std::string_view kMainBannerLead =
    "Join the Orbika forum on money, careers and the stars at ";

constexpr std::string_view kForumBannerLead =
    "Ask questions and share insights on our discussion board at ";

constexpr std::string_view kCareerForumBannerLead = "Talk about your career path on our forum. ";

} // namespace orbika::content
