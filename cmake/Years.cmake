# The years the program answers for, read from src/astro/Years.h, their one
# definition: STARKINDLE_EARLIEST_YEAR, STARKINDLE_LATEST_YEAR (any date) and
# STARKINDLE_FIRST_YEAR, STARKINDLE_LAST_YEAR (the original table), for the
# files CMake configures and the test scripts' environment.
set(years_header "${PROJECT_SOURCE_DIR}/src/astro/Years.h")
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${years_header}")
file(STRINGS "${years_header}" year_lines REGEX "^inline constexpr int [A-Za-z]+Year = [0-9]+;$")
foreach(name Earliest Latest First Last)
    set(value "")
    foreach(line IN LISTS year_lines)
        if(line MATCHES "int ${name}Year = ([0-9]+);")
            set(value "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    if(value STREQUAL "")
        message(FATAL_ERROR "src/astro/Years.h defines no ${name}Year")
    endif()
    string(TOUPPER "${name}" upper)
    set(STARKINDLE_${upper}_YEAR "${value}")
endforeach()
