# What `cmake --install` puts on a desktop, checked in a temporary root.
add_test(NAME install_files
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install_test.sh ${CMAKE_BINARY_DIR})
