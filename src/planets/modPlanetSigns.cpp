#include "modPlanetSigns.h"

#include "birth/modBirthData.h"
#include "planets/PlanetTableData.h"

#include <algorithm>
#include <charconv>
#include <tuple>

namespace orbika {

namespace {

constexpr std::array<PlanetSignTable, 4> kTables = {{
    {"Pluto", 1900, 2022, planetdata::k_pluto},
    {"Jupiter", 1900, 2024, planetdata::k_jupiter},
    {"Mercury", 1930, 2012, planetdata::k_mercury},
    {"Vesta", 1930, 2012, planetdata::k_vesta},
}};

// The number a list text starts with, as the lists write it ("1930" -> 1930); 0 for none.
int LeadingNumber(std::string_view text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

} // namespace

const PlanetSignTable& TableOf(Body body) {
    return kTables[static_cast<std::size_t>(body)];
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

std::string& PlanetSigns::of(Body body) {
    switch (body) {
    case Body::Pluto:
        return PowerSignName;
    case Body::Jupiter:
        return LuckySignName;
    case Body::Mercury:
        return CommunicationSignName;
    case Body::Vesta:
        break;
    }
    return EnergySignName;
}

void FindSign(Body body, PlanetSigns& signs, std::string_view year, std::string_view month,
              std::string_view day) {
    if (const auto sign = LookUpSign(TableOf(body), year, month, day))
        signs.of(body) = *sign;
}

} // namespace orbika
