# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop integration: the data files validated as the desktop reads them, the install tree, and the
# whole program driven from outside in a private X session.
find_program(NUMISLOT_PYTHON3 python3)
find_program(NUMISLOT_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(NUMISLOT_APPSTREAMCLI appstreamcli)
set(NUMISLOT_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

# The main window's grid as JSON, from the catalogue: the session helper clicks where the program
# draws. Beside the program, where tools/screenshots looks for it.
add_executable(numislot_print_layout support/print_layout.cpp)
target_link_libraries(numislot_print_layout PRIVATE numislot_core)
set_target_properties(numislot_print_layout PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR} AUTOMOC OFF)
set(NUMISLOT_E2E_ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1;NUMISLOT_LAYOUT=$<TARGET_FILE:numislot_print_layout>")

if(NUMISLOT_DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry_valid
             COMMAND ${NUMISLOT_DESKTOP_FILE_VALIDATE} ${NUMISLOT_PACKAGING}/${NUMISLOT_APP_ID}.desktop)
    # desktop-file-validate reports some faults as hints and still exits 0.
    set_tests_properties(desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning")
endif()

# A small session manager of the tests' own, which ends the session as a desktop does when logging out.
pkg_check_modules(NUMISLOT_XSMP REQUIRED IMPORTED_TARGET sm ice)
enable_language(C)
add_executable(xsmp_manager e2e/xsmp_manager.c)
target_link_libraries(xsmp_manager PRIVATE PkgConfig::NUMISLOT_XSMP)
set_target_properties(xsmp_manager PROPERTIES AUTOMOC OFF)
list(APPEND NUMISLOT_E2E_ENVIRONMENT "NUMISLOT_XSMP_MANAGER=$<TARGET_FILE:xsmp_manager>")

if(NUMISLOT_PYTHON3)
    add_test(NAME install_tree
             COMMAND ${NUMISLOT_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/check_install.py ${PROJECT_BINARY_DIR}
                     ${NUMISLOT_APP_ID})
    set_tests_properties(install_tree PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)

    # wayland, window_manager, accessibility and the cases below run real desktop components (Weston,
    # openbox, AT-SPI, a CUPS server of their own); each skips when it cannot (not root, a package missing).
    foreach(name complete_collection save_and_reopen quit_prompt bad_argument wayland window_manager accessibility
                 desktop_styles)
        add_test(NAME e2e_${name}
                 COMMAND ${NUMISLOT_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_${name}.py $<TARGET_FILE:numislot>)
        # Each test runs its own Xvfb; the program must not inherit the offscreen platform.
        set_tests_properties(e2e_${name} PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77 LABELS e2e
                             ENVIRONMENT "${NUMISLOT_E2E_ENVIRONMENT}")
    endforeach()
    # Tests of several cases, one entry per case.
    foreach(test_case printing:to_printer printing:to_file keyboard:windows keyboard:prompt_keys)
        string(REPLACE ":" ";" file_and_case ${test_case})
        list(GET file_and_case 0 file)
        list(GET file_and_case 1 case)
        add_test(NAME e2e_${file}_${case}
                 COMMAND ${NUMISLOT_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_${file}.py $<TARGET_FILE:numislot> ${case})
        set_tests_properties(e2e_${file}_${case} PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77 LABELS e2e
                             ENVIRONMENT "${NUMISLOT_E2E_ENVIRONMENT}")
    endforeach()
endif()
