target_sources(gui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/roll_weight_dlg_test.cpp)
