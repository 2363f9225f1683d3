# Hostile input and print faults through the three calculator windows; they need all three.
foreach(area IN ITEMS roll_length roll_weight slitter)
    if(NOT area IN_LIST ROLLCALC_AREAS)
        message(STATUS "hostile input and print fault tests left out: the ${area} window is not built")
        return()
    endif()
endforeach()

target_sources(gui_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/hostile_input_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_fault_test.cpp
)

# Its own process: the spooler's address is set before Qt's print support first looks for it.
add_executable(no_printer_tests ${CMAKE_CURRENT_LIST_DIR}/no_printer_test.cpp)
target_link_libraries(no_printer_tests PRIVATE rollcalc_ui Qt6::Test GTest::gtest)
gtest_discover_tests(no_printer_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)

# Every window's accessibility, keyboard and layout; the layout also at the scale factors of
# high-density screens, where text is measured and drawn anew.
target_sources(gui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/window_access_test.cpp)
foreach(scale IN ITEMS 1.5 2)
    gtest_discover_tests(gui_tests DISCOVERY_TIMEOUT 60 TEST_FILTER "EveryWindow*"
        TEST_SUFFIX ".x${scale}"
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=${scale}")
endforeach()
