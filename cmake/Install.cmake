# Install rules, desktop integration and the Debian package.
include(GNUInstallDirs)

set(NUMISLOT_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging)
cmake_path(NORMAL_PATH NUMISLOT_PACKAGING_DIR)

install(TARGETS numislot RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${NUMISLOT_PACKAGING_DIR}/${NUMISLOT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${NUMISLOT_PACKAGING_DIR}/${NUMISLOT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
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
set(CPACK_PACKAGE_DESCRIPTION
    "Tick the coins your collection holds among the 128 euro circulation coins of sixteen issuers.
The program counts them, marks every complete issuer in green, saves the collection to a small
.eur file, shows each issuer's coins with their pictures and prints a list of the coins owned.
Its interface is in French.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries are found by dpkg-shlibdeps; the X11 platform plugin and the font the fixed layout is
# measured with are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Qt's own dialogs (file, print, message box buttons) read in French with these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
