# Fails when a file under the product's sources includes a testing header
# (platform/Testing.h): test hooks stay out of the product.
# Usage: cmake -DSOURCE_DIR=<src> -P no-test-hooks-in-product.cmake
file(GLOB_RECURSE sources "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.in")
set(offenders)
foreach(source IN LISTS sources)
    file(STRINGS "${source}" hooks REGEX "#[ \t]*include[ \t]*[\"<][^\">]*Testing\\.h[\">]")
    if(hooks)
        list(APPEND offenders "${source}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n  " listed)
    message(FATAL_ERROR "product code includes a testing header:\n  ${listed}")
endif()
message(STATUS "no product file includes a testing header (${SOURCE_DIR})")
