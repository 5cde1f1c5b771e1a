# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up: the program's own start-up ending at the main window's first frame, and the bare floor.
add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp ${CMAKE_CURRENT_LIST_DIR}/bench_startup_clock.h)
target_link_libraries(bench_startup PRIVATE numislot_app)
add_executable(bare_window ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp ${CMAKE_CURRENT_LIST_DIR}/bench_startup_clock.h)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
target_include_directories(bare_window PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_include_directories(bench_startup PRIVATE ${CMAKE_CURRENT_LIST_DIR})
