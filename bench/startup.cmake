# Start-up to the main window's first paint against a bare Qt dialog; needs the Qt windows.
# A benchmark program, run by hand (startup_bench --help), not a test.
if(TARGET rollcalc_ui)
    find_package(Qt6 REQUIRED COMPONENTS Widgets)

    # The real start-up, built from the program's own main and linked as the program is.
    add_executable(rollcalc_startup_probe
        ${CMAKE_CURRENT_LIST_DIR}/../app/main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/first_paint_probe.cpp
    )
    target_link_libraries(rollcalc_startup_probe PRIVATE rollcalc_ui)

    # The yardstick, with the banner from the same resource file.
    add_executable(bare_startup_probe
        ${CMAKE_CURRENT_LIST_DIR}/startup_bare.cpp
        ${CMAKE_CURRENT_LIST_DIR}/first_paint_probe.cpp
        ${CMAKE_CURRENT_LIST_DIR}/../res/rollcalc.qrc
    )
    set_target_properties(bare_startup_probe PROPERTIES AUTORCC ON)
    target_link_libraries(bare_startup_probe PRIVATE Qt6::Widgets)

    # Plain POSIX: the driver must not itself load Qt.
    add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
    add_dependencies(startup_bench rollcalc_startup_probe bare_startup_probe)
endif()
