target_sources(gui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/slitter_dlg_test.cpp)
