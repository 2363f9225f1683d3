# Hostile input and print faults through the three calculator windows; they need all three.
foreach(area IN ITEMS roll_length roll_weight slitter)
    if(NOT area IN_LIST ROLLCALC_AREAS)
        message(STATUS "hostile input and print fault tests left out: the ${area} window is not built")
        return()
    endif()
endforeach()

target_sources(gui_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/hostile_input_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keyboard_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_fault_test.cpp
)

# Its own process: the spooler's address is set before Qt's print support first looks for it.
add_executable(no_printer_tests ${CMAKE_CURRENT_LIST_DIR}/no_printer_test.cpp)
target_link_libraries(no_printer_tests PRIVATE rollcalc_ui Qt6::Test GTest::gtest)
gtest_discover_tests(no_printer_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
