# The Qt windows, the platform layer over Qt and the program.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)

set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

add_library(rollcalc_ui STATIC
    platform/dialog.cpp
    platform/dialog_run.cpp
    platform/window_menu.cpp
    platform/caption_fit.cpp
    controls/focus_frame.cpp
    controls/control_makers.cpp
    platform/message_box.cpp
    platform/shell_open.cpp
    platform/report_painter.cpp
    platform/print_report.cpp
    platform/print_queue.cpp
    platform/print_preview.cpp
    controls/num_edit.cpp
    controls/styled_static.cpp
    controls/link_static.cpp
    controls/measurement_pair.cpp
    controls/box_table.cpp
    platform/resources.cpp
    res/main_templates.cpp
    res/roll_length_template.cpp
    res/roll_weight_template.cpp
    res/slitter_template.cpp
    res/rollcalc.qrc
    roll_length/roll_length_dlg.cpp
    roll_weight/roll_weight_dlg.cpp
    slitter/slitter_dlg.cpp
    slitter/slit_list_model.cpp
    app/roll_calc_dlg.cpp
    app/about_dlg.cpp
    app/roll_calc_app.cpp
    # headers with Q_OBJECT, for moc
    platform/dialog.h
    controls/num_edit.h
    controls/styled_static.h
    controls/link_static.h
    controls/measurement_pair.h
    roll_length/roll_length_dlg.h
    roll_weight/roll_weight_dlg.h
    slitter/slitter_dlg.h
    slitter/slit_list_model.h
    app/roll_calc_dlg.h
    app/about_dlg.h
)
target_include_directories(rollcalc_ui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(rollcalc_ui PUBLIC rollcalc_core Qt6::Widgets Qt6::PrintSupport)
# CUPS is never linked: the painter asks the copy Qt's print support loads, once it has.
target_link_libraries(rollcalc_ui PRIVATE ${CMAKE_DL_LIBS})

add_executable(rollcalc app/main.cpp)
target_link_libraries(rollcalc PRIVATE rollcalc_ui)
include(${CMAKE_CURRENT_LIST_DIR}/install.cmake)

# The user guide's pictures are taken by this tool (scripts/screenshots); it is not installed.
find_package(Qt6 COMPONENTS Test)
if(Qt6Test_FOUND)
    add_executable(rollcalc_screenshots EXCLUDE_FROM_ALL tools/screenshots.cpp)
    target_link_libraries(rollcalc_screenshots PRIVATE rollcalc_ui Qt6::Test)
endif()
