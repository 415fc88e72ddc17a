#pragma once
// The sign in which a body (Pluto, Jupiter, Mercury, Vesta: one per data file) stood on a birth
// date, read from fixed tables of sign changes that are compiled into the program.

#include "planets/PlanetBodies.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orbika {

// A row: from this day on (the day included) the body stands in `Sign` (0 Aries .. 11 Pisces).
struct SignChange {
    std::int16_t Year;
    std::int8_t Month;
    std::int8_t Day;
    std::int8_t Sign;
};

struct PlanetSignTable {
    std::string_view Body;
    std::int16_t FirstYear;
    std::int16_t LastYear; // inclusive; the last row holds to 31 December of it
    std::span<const SignChange> Changes;
};

const PlanetSignTable& TableOf(Body body);

// The sign for a date given as the entry window's list texts. No answer for a year outside the
// table or a month text that is no month name (exact comparison).
std::optional<std::string_view> LookUpSign(const PlanetSignTable& table, std::string_view yearText,
                                           std::string_view monthText, std::string_view dayText);

} // namespace orbika
