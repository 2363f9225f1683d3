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
    window_access_test.cpp
)
target_link_libraries(gui_tests PRIVATE rollcalc_ui Qt6::Test GTest::gtest)
gtest_discover_tests(gui_tests DISCOVERY_TIMEOUT 60 TEST_FILTER "-*LocalePaste*"
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
# One variable each: a list would reach the test properties split. The test program chooses the
# offscreen platform itself when none is set.
# Pastes are read as the user's locale writes numbers: once in each locale the table has rows for.
foreach(locale IN ITEMS en_US de_DE)
    gtest_discover_tests(gui_tests DISCOVERY_TIMEOUT 60 TEST_FILTER "*LocalePaste*"
        TEST_SUFFIX ".${locale}"
        PROPERTIES ENVIRONMENT "LC_ALL=${locale}.UTF-8")
endforeach()
# Every window's accessibility, keyboard and layout; the layout also at the scale factors of
# high-density screens, where text is measured and drawn anew.
foreach(scale IN ITEMS 1.25 1.5 1.75 2)
    gtest_discover_tests(gui_tests DISCOVERY_TIMEOUT 60 TEST_FILTER "EveryWindow*"
        TEST_SUFFIX ".x${scale}"
        PROPERTIES ENVIRONMENT "QT_SCALE_FACTOR=${scale}")
endforeach()
foreach(dpi IN ITEMS 120 144)
    gtest_discover_tests(gui_tests DISCOVERY_TIMEOUT 60 TEST_FILTER "EveryWindow*"
        TEST_SUFFIX ".dpi${dpi}"
        PROPERTIES ENVIRONMENT "QT_FONT_DPI=${dpi}")
endforeach()

# Its own process: the spooler's address is set before Qt's print support first looks for it.
add_executable(no_printer_tests no_printer_test.cpp)
target_link_libraries(no_printer_tests PRIVATE rollcalc_ui Qt6::Test GTest::gtest)
gtest_discover_tests(no_printer_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
