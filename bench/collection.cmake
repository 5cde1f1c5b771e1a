# SPDX-License-Identifier: GPL-3.0-or-later
# Loading collections into the main window: all 128 boxes change, every handler and refresh runs.
add_executable(bench_collection ${CMAKE_CURRENT_LIST_DIR}/bench_collection.cpp)
target_link_libraries(bench_collection PRIVATE numislot_gui Qt6::PrintSupport benchmark::benchmark)
target_include_directories(bench_collection PRIVATE ${PROJECT_SOURCE_DIR}/tests)
