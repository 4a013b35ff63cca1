# Regenerates the ephemeris into the build tree; it must match the committed
# file byte for byte.
execute_process(COMMAND ${GENERATOR} --write ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "eros-ephemeris failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
    message(FATAL_ERROR "${OUTPUT} differs from ${COMMITTED}: run make ephemeris")
endif()
