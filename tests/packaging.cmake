# SPDX-License-Identifier: GPL-3.0-or-later
# What a distribution checks before taking the program: the package, the manual pages and the
# metainfo as software centres read it.
find_program(NUMISLOT_LINTIAN lintian)
find_program(NUMISLOT_GROFF groff)
set(NUMISLOT_CHECK_OUTPUT ${CMAKE_CURRENT_SOURCE_DIR}/support/check_output.cmake)

if(NUMISLOT_GROFF)
    foreach(language en fr)
        set(page ${PROJECT_BINARY_DIR}/packaging/man/man1/numislot.1)
        if(NOT language STREQUAL "en")
            set(page ${PROJECT_BINARY_DIR}/packaging/man/${language}/man1/numislot.1)
        endif()
        # groff exits 0 on warnings: any message at all fails the check.
        add_test(NAME manual_page_${language}
                 COMMAND ${CMAKE_COMMAND} "-DCOMMAND=${NUMISLOT_GROFF};-ww;-z;-man;-Tutf8;${page}"
                         -P ${NUMISLOT_CHECK_OUTPUT})
    endforeach()
endif()

if(NUMISLOT_APPSTREAMCLI)
    # The id's capitals are a pedantic note that the id, shared with the desktop entry, keeps.
    add_test(NAME metainfo_pedantic
             COMMAND ${CMAKE_COMMAND}
                     "-DCOMMAND=${NUMISLOT_APPSTREAMCLI};validate;--pedantic;--no-net;${PROJECT_BINARY_DIR}/packaging/${NUMISLOT_APP_ID}.metainfo.xml"
                     "-DISSUES=^[EWIP]: " "-DALLOWED=cid-contains-uppercase-letter"
                     -P ${NUMISLOT_CHECK_OUTPUT})
endif()

if(NUMISLOT_LINTIAN)
    # The package built from this build folder, into a folder of its own; informational tags pass.
    add_test(NAME package_lintian
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DLINTIAN=${NUMISLOT_LINTIAN}
                     -DOUTPUT_DIR=${CMAKE_CURRENT_BINARY_DIR}/package-lintian
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/support/package_lintian.cmake)
    set_tests_properties(package_lintian PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endif()
