# Writes one page of the class reference: `quorvane-check --describe <NAME> --markdown` into <OUTPUT>, run
# from the build tree against the modules just built. A class that cannot be described fails the build: the
# reference is whole or not written.
#   cmake -DPROGRAM=<quorvane-check> -DNAME=<library file> -DOUTPUT=<page> -P write_reference_page.cmake
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
        ${PROGRAM} --describe ${NAME} --markdown
    OUTPUT_FILE ${OUTPUT}.new
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${OUTPUT}.new)
    message(FATAL_ERROR "quorvane-check --describe ${NAME} --markdown ended with ${status}:\n${errors}")
endif()
file(RENAME ${OUTPUT}.new ${OUTPUT})
