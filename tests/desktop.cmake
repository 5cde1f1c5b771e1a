# Desktop integration: the data files validated as the desktop reads them, the install tree, and the
# whole program driven from outside in a private X session.
find_program(NUMISLOT_PYTHON3 python3)
find_program(NUMISLOT_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(NUMISLOT_APPSTREAMCLI appstreamcli)
set(NUMISLOT_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

if(NUMISLOT_DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry_valid
             COMMAND ${NUMISLOT_DESKTOP_FILE_VALIDATE} ${NUMISLOT_PACKAGING}/org.example.Numislot.desktop)
    # desktop-file-validate reports some faults as hints and still exits 0.
    set_tests_properties(desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning")
endif()

if(NUMISLOT_PYTHON3)
    add_test(NAME install_tree
             COMMAND ${NUMISLOT_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/check_install.py ${PROJECT_BINARY_DIR})
    set_tests_properties(install_tree PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)

    foreach(name complete_collection save_and_reopen quit_prompt bad_argument)
        add_test(NAME e2e_${name}
                 COMMAND ${NUMISLOT_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_${name}.py $<TARGET_FILE:numislot>)
        # Each test runs its own Xvfb; the program must not inherit the offscreen platform.
        set_tests_properties(e2e_${name} PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77 LABELS e2e
                             ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")
    endforeach()
endif()
