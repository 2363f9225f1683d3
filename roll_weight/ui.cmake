target_sources(rollcalc_ui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/res/roll_weight_template.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/roll_weight/roll_weight_dlg.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/roll_weight/roll_weight_dlg.h
)
