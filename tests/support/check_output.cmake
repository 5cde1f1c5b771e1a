# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DCOMMAND=<program;args...> [-DISSUES=<regex>] [-DALLOWED=<regex>] -P check_output.cmake
# Runs a checker and fails when it fails, or when a line of its output matches ISSUES (default: any
# line) without matching ALLOWED. Some checkers report problems and still exit 0.
if(NOT DEFINED ISSUES)
    set(ISSUES ".")
endif()
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "exit status ${result}")
endif()
string(REPLACE "\n" ";" lines "${output}")
foreach(line IN LISTS lines)
    if(line MATCHES "${ISSUES}" AND (NOT DEFINED ALLOWED OR NOT line MATCHES "${ALLOWED}"))
        message(FATAL_ERROR "reported: ${line}")
    endif()
endforeach()
