# Regenerates the ephemeris into the build tree, the crossings and the
# longitude series; each must match the committed file byte for byte.
foreach(pair "--write;ErosEphemeris.inc" "--longitudes;ErosLongitude.inc")
    list(GET pair 0 option)
    list(GET pair 1 name)
    execute_process(COMMAND ${GENERATOR} ${option} ${OUTPUT_DIR}/${name} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "eros-ephemeris ${option} failed: ${status}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT_DIR}/${name} ${COMMITTED_DIR}/${name}
        RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        message(FATAL_ERROR "${OUTPUT_DIR}/${name} differs from ${COMMITTED_DIR}/${name}: run make ephemeris")
    endif()
endforeach()
