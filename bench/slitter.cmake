# The Slitter Position window under a growing knife list; needs the Qt windows.
if(TARGET rollcalc_ui)
    add_executable(slitter_bench ${CMAKE_CURRENT_LIST_DIR}/slitter_bench.cpp)
    target_link_libraries(slitter_bench PRIVATE rollcalc_ui benchmark::benchmark)
endif()
