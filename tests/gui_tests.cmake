# Widget tests: real widgets on the offscreen platform, driven with Qt Test's key and mouse helpers.
find_package(Qt6 REQUIRED COMPONENTS Test)

add_executable(gui_tests
    gui_test_main.cpp
    main_window_test.cpp
    num_edit_test.cpp
)
foreach(area IN LISTS ROLLCALC_AREAS)
    include(${CMAKE_CURRENT_SOURCE_DIR}/${area}_gui_tests.cmake OPTIONAL)
endforeach()
include(${CMAKE_CURRENT_SOURCE_DIR}/hostile_gui_tests.cmake)
target_link_libraries(gui_tests PRIVATE rollcalc_ui Qt6::Test GTest::gtest)
gtest_discover_tests(gui_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
