#pragma once
// Birth data shared by every entry window: the month and sign names, the name and date check,
// the name-box keystroke filter of the planet-sign windows and the sun-sign rule.
// Pure standard C++: the windows turn the verdicts into message boxes.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orbika {

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

inline constexpr std::array<std::string_view, 12> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// 1 for "January" .. 12 for "December"; nullopt for anything else (the comparison is exact).
std::optional<int> MonthNumber(std::string_view month);

// 0 for "Aries" .. 11 for "Pisces"; nullopt for anything else (the comparison is exact).
std::optional<int> SignIndex(std::string_view sign);

// Removes leading and trailing blanks (spaces only, as the name box shows them).
std::string_view TrimBlanks(std::string_view text);

// How strongly a refused entry is announced: the window shows it as a message box's icon.
enum class VerdictIcon { Information, Error };

// A person's entries as the entry lists show them: what a saved reading holds, in UTF-8.
struct BirthEntries {
    std::string name;
    std::string month;
    std::string day;
    std::string year;
};

// The entry windows differ only in how they treat a blank name.
enum class NameRule {
    Financial,  // blank after trimming: error icon
    Career,     // blank after trimming: error icon, and the name box is emptied
    PlanetSign, // only the empty text is blank: information icon
};

// The most characters a name box holds; a saved file keeps every one of them.
inline constexpr int kMaxNameLength = 255;

inline constexpr std::string_view kMsgEnterYourName = "Please Enter Your Name";
inline constexpr std::string_view kMsgEnterYourNameCareer = "Please enter your name";
inline constexpr std::string_view kMsgBadFebruaryDate = "Please Enter Correct Date Or Month!";
inline constexpr std::string_view kMsgBadThirtyDayMonthDate =
    "Please Enter Correct Date Or Month !";
inline constexpr std::string_view kMsgOnlyLetters = "Please Enter only Letters";

struct BirthDataVerdict {
    bool accepted = true;
    std::string_view message; // empty when accepted
    VerdictIcon icon = VerdictIcon::Information;
    bool clearName = false; // empty the name box before focusing it
    bool focusName = false;
};

// Checks the entries as the lists show them: dayPosition 0 is day 1, monthPosition 0 is January,
// year is the number of the year list's text. The name is checked first and stops the check.
BirthDataVerdict ValidateBirthData(NameRule rule, std::string_view name, int dayPosition,
                                   int monthPosition, int year);

// Every year divisible by four is a leap year, 1900 included: the date lists were made that way.
constexpr bool IsListLeapYear(int year) {
    return year % 4 == 0;
}

// The planet-sign name filter. `code` is the character code of a typed key; the result is the
// code to let through (a lower-case letter becomes its capital) or 0 when the key is discarded,
// in which case `warn` asks for the "Please Enter only Letters" message.
struct NameKeyVerdict {
    int code = 0;
    bool warn = false;
};
NameKeyVerdict FilterNameKey(int code);

// True when day, month and year are entries of an entry window's lists whose years run from
// firstYear to lastYear, compared exactly as the lists compare: "5", "March", "1971"; not "05".
bool IsListedDate(std::string_view day, std::string_view month, std::string_view year,
                  int firstYear, int lastYear);

// The sun sign of a birthday; the year plays no part. Empty for a month that is no month name.
std::string_view FindSunSign(std::string_view month, int day);

} // namespace orbika
