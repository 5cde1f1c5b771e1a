# SPDX-License-Identifier: GPL-3.0-or-later
# Decoding the 139 embedded pictures: the program's path against plain libjpeg-turbo on the same bytes.
add_executable(bench_decode ${CMAKE_CURRENT_LIST_DIR}/bench_decode.cpp)
target_link_libraries(bench_decode PRIVATE numislot_toolkit JPEG::JPEG benchmark::benchmark)
target_compile_definitions(bench_decode PRIVATE NUMISLOT_INVENTORY="${PROJECT_SOURCE_DIR}/assets/inventory.csv")
