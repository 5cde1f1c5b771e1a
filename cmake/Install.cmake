# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules, desktop integration and the Debian package.
include(GNUInstallDirs)

set(NUMISLOT_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging)
cmake_path(NORMAL_PATH NUMISLOT_PACKAGING_DIR)

install(TARGETS numislot RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${NUMISLOT_PACKAGING_DIR}/${NUMISLOT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The release date of this version is the date of the commit it is built from, or SOURCE_DATE_EPOCH
# when the builder sets it; the metainfo, the changelog and the manual pages all take it from here.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(NUMISLOT_RELEASE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE NUMISLOT_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE git_result ERROR_QUIET)
        if(NOT git_result EQUAL 0)
            unset(NUMISLOT_RELEASE_EPOCH)
        endif()
    endif()
endif()
if(NOT NUMISLOT_RELEASE_EPOCH MATCHES "^[0-9]+$")
    string(TIMESTAMP NUMISLOT_RELEASE_EPOCH "%s" UTC)
endif()
# string(TIMESTAMP) formats SOURCE_DATE_EPOCH instead of the current time when it is set; the
# variable is set only for these two calls unless the builder set it.
set(epoch_from_builder "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${NUMISLOT_RELEASE_EPOCH})
string(TIMESTAMP NUMISLOT_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP NUMISLOT_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
if(epoch_from_builder STREQUAL "")
    unset(ENV{SOURCE_DATE_EPOCH})
endif()

# Versioned texts, and the gzip -9n copies that Debian wants of manual pages and changelogs (no
# name or time in the header, so they are the same from one build to the next).
set(NUMISLOT_DOC_BUILD_DIR ${PROJECT_BINARY_DIR}/packaging)
find_program(NUMISLOT_GZIP gzip REQUIRED)
function(numislot_configure_text source output)
    configure_file(${source} ${NUMISLOT_DOC_BUILD_DIR}/${output} @ONLY)
endfunction()
function(numislot_gzip file)
    execute_process(COMMAND ${NUMISLOT_GZIP} -9n -c ${NUMISLOT_DOC_BUILD_DIR}/${file}
                    OUTPUT_FILE ${NUMISLOT_DOC_BUILD_DIR}/${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endfunction()
# AppStream 1.0 (Debian 13) names the developer with <developer> and calls <developer_name>
# deprecated; 0.16 (Debian 12) knows only <developer_name>. The metainfo follows the release's own.
set(NUMISLOT_METAINFO_DEVELOPER "<developer id=\"org.example\">\n    <name>QVT</name>\n  </developer>")
find_program(NUMISLOT_APPSTREAMCLI appstreamcli)
if(NUMISLOT_APPSTREAMCLI)
    execute_process(COMMAND ${NUMISLOT_APPSTREAMCLI} --version OUTPUT_VARIABLE appstream_version ERROR_QUIET)
    if(appstream_version MATCHES "version: 0\\.")
        set(NUMISLOT_METAINFO_DEVELOPER "<developer_name>QVT</developer_name>")
    endif()
endif()
numislot_configure_text(${NUMISLOT_PACKAGING_DIR}/${NUMISLOT_APP_ID}.metainfo.xml.in ${NUMISLOT_APP_ID}.metainfo.xml)
numislot_configure_text(${NUMISLOT_PACKAGING_DIR}/changelog.in changelog)
numislot_configure_text(${PROJECT_SOURCE_DIR}/man/man1/numislot.1 man/man1/numislot.1)
numislot_configure_text(${PROJECT_SOURCE_DIR}/man/fr/man1/numislot.1 man/fr/man1/numislot.1)
foreach(file changelog man/man1/numislot.1 man/fr/man1/numislot.1)
    numislot_gzip(${file})
endforeach()

install(FILES ${NUMISLOT_DOC_BUILD_DIR}/${NUMISLOT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${NUMISLOT_DOC_BUILD_DIR}/man/man1/numislot.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${NUMISLOT_DOC_BUILD_DIR}/man/fr/man1/numislot.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
install(FILES ${NUMISLOT_DOC_BUILD_DIR}/changelog.gz ${NUMISLOT_PACKAGING_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${NUMISLOT_PACKAGING_DIR}/${NUMISLOT_APP_ID}.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# Icons come from the pictures generator as assets/icons/<size>x<size>/<name>.png (and optionally
# assets/icons/scalable/<name>.svg); each size is installed under the application id.
file(GLOB NUMISLOT_ICON_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/assets/icons/*x*)
foreach(dir IN LISTS NUMISLOT_ICON_DIRS)
    cmake_path(GET dir FILENAME size)
    if(NOT size MATCHES "^[0-9]+x[0-9]+$")
        continue()
    endif()
    file(GLOB pngs CONFIGURE_DEPENDS ${dir}/*.png)
    list(SORT pngs)
    list(LENGTH pngs count)
    if(count EQUAL 0)
        continue()
    endif()
    # A folder holding the id's own file wins; otherwise its only (or first) picture is the icon.
    set(icon ${dir}/${NUMISLOT_APP_ID}.png)
    if(NOT EXISTS ${icon})
        list(GET pngs 0 icon)
    endif()
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps
            RENAME ${NUMISLOT_APP_ID}.png)
    list(APPEND NUMISLOT_ICON_SIZES ${size})
endforeach()
file(GLOB NUMISLOT_SCALABLE_ICON CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/icons/scalable/*.svg)
if(NUMISLOT_SCALABLE_ICON)
    list(GET NUMISLOT_SCALABLE_ICON 0 NUMISLOT_SCALABLE_ICON)
    install(FILES ${NUMISLOT_SCALABLE_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${NUMISLOT_APP_ID}.svg)
    list(APPEND NUMISLOT_ICON_SIZES scalable)
endif()
if(NOT NUMISLOT_ICON_SIZES)
    message(WARNING "No icon under assets/icons/<size>x<size>/: the desktop entry will show a generic icon.")
endif()

# The Debian package: `cpack -G DEB` in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numislot)
set(CPACK_PACKAGE_VENDOR QVT)
set(CPACK_PACKAGE_CONTACT "QVT <numislot@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checklist of the euro circulation coins (French)")
# Lines of at most 80 characters, and none starting with a dot: a control file reads that as markup.
set(CPACK_PACKAGE_DESCRIPTION
    "Tick the coins your collection holds among the 128 euro circulation coins
of sixteen issuers. The program counts them, marks every complete issuer in
green, saves the collection to a small file (extension .eur), shows each
issuer's coins with their pictures and prints a list of the coins owned.
Its interface is in French.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries are found by dpkg-shlibdeps; the X11 platform plugin and the font the fixed layout is
# measured with are loaded at run time, so they are named here.
# Liberation 2 is fonts-liberation2 on Debian 12 and fonts-liberation from Debian 13 on.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation (>= 1:2) | fonts-liberation2")
# Qt's own dialogs (file, print, message box buttons) read in French with these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
