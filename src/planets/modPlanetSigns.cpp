#include "modPlanetSigns.h"

#include "birth/modBirthData.h"
#include "planets/PlanetTableData.h"

#include <algorithm>
#include <charconv>
#include <tuple>

namespace orbika {

namespace {

// The number a list text starts with, as the lists write it ("1930" -> 1930); 0 for none.
int LeadingNumber(std::string_view text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

} // namespace

const PlanetSignTable& TableOf(Body body) {
    return planetdata::kTables[static_cast<std::size_t>(body)];
}

std::optional<std::string_view> LookUpSign(const PlanetSignTable& table, std::string_view yearText,
                                           std::string_view monthText, std::string_view dayText) {
    const int year = LeadingNumber(yearText);
    const auto month = MonthNumber(monthText);
    if (year < table.FirstYear || year > table.LastYear || !month)
        return std::nullopt;
    const auto date = std::make_tuple(year, *month, LeadingNumber(dayText));
    // The last row that starts on or before the date; the first row is 1 January of FirstYear.
    const auto after = std::upper_bound(
        table.Changes.begin(), table.Changes.end(), date, [](const auto& d, const SignChange& row) {
            return d < std::make_tuple(int(row.Year), int(row.Month), int(row.Day));
        });
    if (after == table.Changes.begin())
        return std::nullopt;
    return kSignNames[std::size_t(std::prev(after)->Sign)];
}

} // namespace orbika
