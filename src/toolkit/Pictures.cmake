# SPDX-License-Identifier: GPL-3.0-or-later
# The embedded pictures: every JPEG of assets/inventory.csv becomes a picture stream at build time and
# goes into the executable through Qt's resource system, uncompressed, as :/numislot/pictures/<window>/<cell>.

target_sources(numislot_toolkit PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/JpegDecoder.h ${CMAKE_CURRENT_LIST_DIR}/JpegDecoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Picture.h ${CMAKE_CURRENT_LIST_DIR}/Picture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureCell.h ${CMAKE_CURRENT_LIST_DIR}/PictureCell.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureStream.h ${CMAKE_CURRENT_LIST_DIR}/PictureStream.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureStreamFormat.h
)

# A plain host program, so the build needs nothing but a compiler to make the streams.
add_executable(numislot_picture_stream ${PROJECT_SOURCE_DIR}/tools/picture_stream.cpp)
set_target_properties(numislot_picture_stream PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
target_include_directories(numislot_picture_stream PRIVATE ${PROJECT_SOURCE_DIR}/src)

set(NUMISLOT_ASSETS_DIR ${PROJECT_SOURCE_DIR}/assets)
set(NUMISLOT_PICTURE_INVENTORY ${NUMISLOT_ASSETS_DIR}/inventory.csv)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${NUMISLOT_PICTURE_INVENTORY})

file(STRINGS ${NUMISLOT_PICTURE_INVENTORY} _numislot_inventory)
list(POP_FRONT _numislot_inventory) # column names
set(_numislot_streams)
foreach(_line IN LISTS _numislot_inventory)
    string(REPLACE "," ";" _fields "${_line}")
    list(GET _fields 0 _window)
    list(GET _fields 1 _cell)
    list(GET _fields 2 _file)
    set(_stream ${CMAKE_CURRENT_BINARY_DIR}/pictures/${_window}/${_cell}.stream)
    add_custom_command(OUTPUT ${_stream}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/pictures/${_window}
        COMMAND numislot_picture_stream ${NUMISLOT_ASSETS_DIR}/${_file} ${_stream}
        DEPENDS numislot_picture_stream ${NUMISLOT_ASSETS_DIR}/${_file}
        COMMENT "Picture stream ${_window}/${_cell}"
        VERBATIM)
    set_source_files_properties(${_stream} PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS ${_window}/${_cell})
    list(APPEND _numislot_streams ${_stream})
endforeach()

# JPEG data does not shrink; storing it plain also lets a picture point straight at the executable's bytes.
qt_add_resources(numislot_toolkit pictures
    PREFIX /numislot/pictures
    BASE ${CMAKE_CURRENT_BINARY_DIR}/pictures
    OPTIONS --no-compress
    FILES ${_numislot_streams})
