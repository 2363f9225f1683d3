# Widget tests: real widgets on the offscreen platform, driven with Qt Test's key and mouse helpers.
find_package(Qt6 REQUIRED COMPONENTS Test)

add_executable(gui_tests
    gui_test_main.cpp
    main_window_test.cpp
    num_edit_test.cpp
    link_static_test.cpp
    roll_length_dlg_test.cpp
    roll_weight_dlg_test.cpp
    slitter_dlg_test.cpp
    hostile_input_test.cpp
    keyboard_test.cpp
    print_fault_test.cpp
)
target_link_libraries(gui_tests PRIVATE rollcalc_ui Qt6::Test GTest::gtest)
gtest_discover_tests(gui_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# Its own process: the spooler's address is set before Qt's print support first looks for it.
add_executable(no_printer_tests no_printer_test.cpp)
target_link_libraries(no_printer_tests PRIVATE rollcalc_ui Qt6::Test GTest::gtest)
gtest_discover_tests(no_printer_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
