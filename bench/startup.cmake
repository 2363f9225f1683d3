# Start-up to the main window's first paint against the same window built from stock Qt widgets; needs the Qt windows.
# A benchmark program, run by hand (startup_bench --help), not a test.
if(TARGET rollcalc_ui)
    find_package(Qt6 REQUIRED COMPONENTS Widgets)

    # The real start-up, built from the program's own main and linked as the program is.
    add_executable(rollcalc_startup_probe
        ${CMAKE_CURRENT_LIST_DIR}/../app/main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/first_paint_probe.cpp
    )
    target_link_libraries(rollcalc_startup_probe PRIVATE rollcalc_ui)

    # The yardstick, with the banner from the same resource file and the same texts.
    add_executable(stock_startup_probe
        ${CMAKE_CURRENT_LIST_DIR}/startup_stock.cpp
        ${CMAKE_CURRENT_LIST_DIR}/first_paint_probe.cpp
        ${CMAKE_CURRENT_LIST_DIR}/../res/rollcalc.qrc
    )
    set_target_properties(stock_startup_probe PROPERTIES AUTORCC ON)
    target_link_libraries(stock_startup_probe PRIVATE Qt6::Widgets)

    # Plain POSIX: the driver must not itself load Qt.
    add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
    add_dependencies(startup_bench rollcalc_startup_probe stock_startup_probe)
endif()
