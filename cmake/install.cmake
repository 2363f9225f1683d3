# Where the program and its desktop integration go, and the Debian package built from them.
include(GNUInstallDirs)

set(ROLLCALC_APP_ID example.velmarch.RollCalc)
install(TARGETS rollcalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES res/${ROLLCALC_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/${ROLLCALC_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
    install(FILES res/hicolor/${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${ROLLCALC_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rollcalc)
set(CPACK_PACKAGE_VENDOR "Velmarch Products LLC")
set(CPACK_PACKAGE_CONTACT "engineering@velmarch.example")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Roll calculations for winding, weighing and slitting web material")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Dependencies come from the shared libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dialogs and reports are drawn in these faces; Qt finds the CUPS default printer itself.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6printsupport6")
include(CPack)
