# SPDX-License-Identifier: GPL-3.0-or-later
# numislot_pictures draws and encodes the embedded pictures into assets/. Its output is committed, so
# the normal build never runs it: build the target numislot_assets to regenerate them.

find_path(LCMS2_INCLUDE_DIR lcms2.h)
find_library(LCMS2_LIBRARY lcms2)
if(NOT LCMS2_INCLUDE_DIR OR NOT LCMS2_LIBRARY)
    message(STATUS "lcms2 not found: the picture generator is not available")
    return()
endif()

add_executable(numislot_pictures EXCLUDE_FROM_ALL
    ${CMAKE_CURRENT_LIST_DIR}/pictures/main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pictures/CoinArt.h ${CMAKE_CURRENT_LIST_DIR}/pictures/CoinArt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pictures/Inventory.h ${CMAKE_CURRENT_LIST_DIR}/pictures/Inventory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pictures/JpegWriter.h ${CMAKE_CURRENT_LIST_DIR}/pictures/JpegWriter.cpp
)
target_include_directories(numislot_pictures PRIVATE ${LCMS2_INCLUDE_DIR})
target_link_libraries(numislot_pictures PRIVATE numislot_core Qt6::Gui JPEG::JPEG ${LCMS2_LIBRARY})

add_custom_target(numislot_assets
    COMMAND numislot_pictures --assets ${PROJECT_SOURCE_DIR}/assets --sheet ${CMAKE_BINARY_DIR}/pictures-sheet.png
    DEPENDS numislot_pictures
    COMMENT "Drawing the embedded pictures into assets/"
    VERBATIM)
