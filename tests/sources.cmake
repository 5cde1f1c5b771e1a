# SPDX-License-Identifier: GPL-3.0-or-later
# The source tree's own rules: the layers of src/ and the format.

# A folder of src/ uses only the folders below it; an include across that fails here.
add_test(NAME layers_kept COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src
                                  -P ${CMAKE_CURRENT_SOURCE_DIR}/support/check_layers.cmake)
set_tests_properties(layers_kept PROPERTIES LABELS layers)

# The tree kept to .clang-format. Skipped where clang-format 14 is missing.
find_program(NUMISLOT_CLANG_FORMAT NAMES clang-format-14 clang-format)
# On by default: every ctest fails when a file drifts.
option(NUMISLOT_CHECK_FORMAT "Fail the suite when a file drifts from .clang-format" ON)
if(NUMISLOT_CLANG_FORMAT)
    add_test(NAME format_kept
             COMMAND ${PROJECT_SOURCE_DIR}/tools/check-format ${PROJECT_SOURCE_DIR} ${NUMISLOT_CLANG_FORMAT})
    set_tests_properties(format_kept PROPERTIES SKIP_RETURN_CODE 77 LABELS format)
    if(NOT NUMISLOT_CHECK_FORMAT)
        set_tests_properties(format_kept PROPERTIES DISABLED TRUE)
    endif()
endif()
