# Turns the planet-sign data files into two headers: the list of bodies, and the constexpr tables.
# Run at build time: cmake -DDATA_FILES="a.tsv;b.tsv" -DBODIES_OUTPUT=... -DTABLES_OUTPUT=...
#     -P this file
#
# A data file is tab-separated: "body <name>", "years <first> <last>", the header
# "first_day sign", then one row per sign change, the first on 1 January of the first year.

set(signs Aries Taurus Gemini Cancer Leo Virgo Libra Scorpio Sagittarius Capricorn Aquarius Pisces)

function(write_if_changed path text)
    file(WRITE "${path}.tmp" "${text}")
    file(COPY_FILE "${path}.tmp" "${path}" ONLY_IF_DIFFERENT)
    file(REMOVE "${path}.tmp")
endfunction()

set(generated "// Generated from src/planets/data/*.tsv at build time. Do not edit.\n#pragma once\n\n")
set(enumerators "")
set(entries "")
set(tables "")
set(count 0)

foreach(path IN LISTS DATA_FILES)
    get_filename_component(file "${path}" NAME)
    get_filename_component(stem "${path}" NAME_WE)
    file(STRINGS "${path}" lines)
    list(POP_FRONT lines body_line years_line header)
    if(NOT body_line MATCHES "^body\t([A-Z][a-z]+)$")
        message(FATAL_ERROR "${file}: the first line must be 'body<TAB>Name', not '${body_line}'")
    endif()
    set(body ${CMAKE_MATCH_1})
    if(NOT years_line MATCHES "^years\t([0-9][0-9][0-9][0-9])\t([0-9][0-9][0-9][0-9])$")
        message(FATAL_ERROR "${file}: the second line must be 'years<TAB>first<TAB>last'")
    endif()
    set(first_year ${CMAKE_MATCH_1})
    set(last_year ${CMAKE_MATCH_2})
    if(NOT header STREQUAL "first_day\tsign")
        message(FATAL_ERROR "${file}: unexpected header '${header}'")
    endif()

    set(rows "")
    set(row_count 0)
    set(previous "")
    foreach(line IN LISTS lines)
        if(line STREQUAL "")
            continue()
        endif()
        if(NOT line MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\t([A-Za-z]+)$")
            message(FATAL_ERROR "${file}: bad row '${line}'")
        endif()
        set(year ${CMAKE_MATCH_1})
        set(date "${CMAKE_MATCH_1}${CMAKE_MATCH_2}${CMAKE_MATCH_3}")
        math(EXPR month "1${CMAKE_MATCH_2} - 100")
        math(EXPR day "1${CMAKE_MATCH_3} - 100")
        list(FIND signs "${CMAKE_MATCH_4}" sign)
        if(sign EQUAL -1)
            message(FATAL_ERROR "${file}: unknown sign in '${line}'")
        endif()
        if(row_count EQUAL 0 AND NOT date STREQUAL "${first_year}0101")
            message(FATAL_ERROR "${file}: the first row must be 1 January ${first_year}")
        endif()
        if(NOT previous STREQUAL "" AND NOT date GREATER previous)
            message(FATAL_ERROR "${file}: rows out of order at '${line}'")
        endif()
        if(year GREATER last_year)
            message(FATAL_ERROR "${file}: '${line}' lies after the last year, ${last_year}")
        endif()
        set(previous ${date})
        string(APPEND rows "    {${year}, ${month}, ${day}, ${sign}},\n")
        math(EXPR row_count "${row_count} + 1")
    endforeach()

    string(APPEND enumerators "    ${body},\n")
    string(APPEND tables
        "inline constexpr std::array<SignChange, ${row_count}> k_${stem} = {{\n${rows}}};\n\n")
    string(APPEND entries "    {\"${body}\", ${first_year}, ${last_year}, k_${stem}},\n")
    math(EXPR count "${count} + 1")
endforeach()

write_if_changed("${BODIES_OUTPUT}" "${generated}namespace orbika {\n\n\
// One body for each data file, in the order of the files' names.\n\
enum class Body {\n${enumerators}};\n\n\
inline constexpr int kBodyCount = ${count};\n\n} // namespace orbika\n")

write_if_changed("${TABLES_OUTPUT}" "${generated}#include \"planets/modPlanetSigns.h\"\n\n\
#include <array>\n\nnamespace orbika::planetdata {\n\n${tables}\
// In the order of Body.\n\
inline constexpr std::array<PlanetSignTable, kBodyCount> kTables = {{\n${entries}}};\n\n\
} // namespace orbika::planetdata\n")
