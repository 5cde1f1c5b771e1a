# SPDX-License-Identifier: GPL-3.0-or-later
# The embedded pictures: streams, JPEG profiles, decoding, cells.
foreach(_test tst_picturestream tst_jpegdecoder tst_picturecell)
    numislot_add_test(${_test} ${_test}.cpp LIBS numislot_toolkit)
    target_compile_definitions(${_test} PRIVATE
        NUMISLOT_INVENTORY="${PROJECT_SOURCE_DIR}/assets/inventory.csv"
        NUMISLOT_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets"
        NUMISLOT_PICTURE_SEEDS="${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/fuzz_picture_stream")
endforeach()
