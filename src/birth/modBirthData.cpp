#include "modBirthData.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace orbika {

namespace {

// The number a list text stands for, when it is written as the lists write numbers.
std::optional<int> ListNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || std::to_string(value) != text)
        return std::nullopt;
    return value;
}

} // namespace

namespace {

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& names, std::string_view text) {
    const auto it = std::find(names.begin(), names.end(), text);
    if (it == names.end())
        return std::nullopt;
    return static_cast<int>(it - names.begin());
}

struct SunSignBoundary {
    std::string_view earlier;
    int firstDayOfLater;
    std::string_view later;
};

// One sign change per month, January first.
constexpr std::array<SunSignBoundary, 12> kSunSignBoundaries = {{
    {"Capricorn", 20, "Aquarius"},
    {"Aquarius", 19, "Pisces"},
    {"Pisces", 21, "Aries"},
    {"Aries", 21, "Taurus"},
    {"Taurus", 21, "Gemini"},
    {"Gemini", 21, "Cancer"},
    {"Cancer", 21, "Leo"},
    {"Leo", 21, "Virgo"},
    {"Virgo", 21, "Libra"},
    {"Libra", 21, "Scorpio"},
    {"Scorpio", 21, "Sagittarius"},
    {"Sagittarius", 21, "Capricorn"},
}};

constexpr int kFebruaryPosition = 1;
constexpr std::array<int, 4> kThirtyDayMonthPositions = {3, 5, 8, 10}; // Apr, Jun, Sep, Nov

} // namespace

std::optional<int> MonthNumber(std::string_view month) {
    const auto index = IndexOf(kMonthNames, month);
    if (!index)
        return std::nullopt;
    return *index + 1;
}

std::optional<int> SignIndex(std::string_view sign) {
    return IndexOf(kSignNames, sign);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

BirthDataVerdict ValidateBirthData(NameRule rule, std::string_view name, int dayPosition,
                                   int monthPosition, int year) {
    switch (rule) {
    case NameRule::Financial:
        if (TrimBlanks(name).empty())
            return {false, kMsgEnterYourName, VerdictIcon::Error, false, true};
        break;
    case NameRule::Career:
        if (TrimBlanks(name).empty())
            return {false, kMsgEnterYourNameCareer, VerdictIcon::Error, true, true};
        break;
    case NameRule::PlanetSign:
        if (name.empty())
            return {false, kMsgEnterYourName, VerdictIcon::Information, false, true};
        break;
    }

    const int day = dayPosition + 1;
    if (monthPosition == kFebruaryPosition) {
        const int lastDay = IsListLeapYear(year) ? 29 : 28;
        if (day > lastDay)
            return {false, kMsgBadFebruaryDate, VerdictIcon::Information, false, false};
    }
    const bool thirtyDayMonth =
        std::find(kThirtyDayMonthPositions.begin(), kThirtyDayMonthPositions.end(),
                  monthPosition) != kThirtyDayMonthPositions.end();
    if (thirtyDayMonth && day == 31)
        return {false, kMsgBadThirtyDayMonthDate, VerdictIcon::Information, false, false};
    return {};
}

NameKeyVerdict FilterNameKey(int code) {
    if (code >= 'A' && code <= 'Z')
        return {code, false};
    if (code >= 'a' && code <= 'z')
        return {code - 32, false};
    if (code == ' ' || code == 13 || code == 8)
        return {code, false};
    return {0, true};
}

std::string_view FindSunSign(std::string_view month, int day) {
    const auto number = MonthNumber(month);
    if (!number)
        return {};
    const SunSignBoundary& row = kSunSignBoundaries[*number - 1];
    return day >= row.firstDayOfLater ? row.later : row.earlier;
}

bool IsListedDate(std::string_view day, std::string_view month, std::string_view year,
                  int firstYear, int lastYear) {
    const auto dayNumber = ListNumber(day);
    const auto yearNumber = ListNumber(year);
    return MonthNumber(month) && dayNumber && *dayNumber >= 1 && *dayNumber <= 31 && yearNumber &&
           *yearNumber >= firstYear && *yearNumber <= lastYear;
}

} // namespace orbika
