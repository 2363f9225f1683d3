# Printing 250 pages through the slitter report against a bare QPainter loop; needs the Qt layer.
if(TARGET rollcalc_ui)
    add_executable(print_bench ${CMAKE_CURRENT_LIST_DIR}/print_bench.cpp)
    target_link_libraries(print_bench PRIVATE rollcalc_ui benchmark::benchmark)
endif()
