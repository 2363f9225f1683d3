target_sources(rollcalc_ui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/res/slitter_template.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/slitter/slitter_dlg.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/slitter/slit_list_model.cpp
    # headers with Q_OBJECT, for moc
    ${CMAKE_CURRENT_SOURCE_DIR}/slitter/slitter_dlg.h
    ${CMAKE_CURRENT_SOURCE_DIR}/slitter/slit_list_model.h
)
