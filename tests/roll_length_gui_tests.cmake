target_sources(gui_tests PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/roll_length_dlg_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/link_static_test.cpp
)
