# run(<command> <args>...): runs a command in RUN_DIR and stops the script with its output when it
# fails; the output is left in `output`.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out
                    WORKING_DIRECTORY "${RUN_DIR}")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN}\nfailed (${result}):\n${out}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()
