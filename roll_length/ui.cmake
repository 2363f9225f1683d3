target_sources(rollcalc_ui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/res/roll_length_template.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/roll_length/roll_length_dlg.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/roll_length/roll_length_dlg.h
)
