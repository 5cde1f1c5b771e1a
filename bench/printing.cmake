# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogue pages and the owned-coins report printed to PDF at 1200 dpi.
add_executable(bench_printing ${CMAKE_CURRENT_LIST_DIR}/bench_printing.cpp)
target_link_libraries(bench_printing PRIVATE numislot_app benchmark::benchmark)
