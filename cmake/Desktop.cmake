# Desktop integration: the icon in the sizes an icon theme wants, the installed layout and the
# Debian package.
include(GNUInstallDirs)
find_package(Qt6 REQUIRED COMPONENTS Svg)

set(UMBRAVEL_APP_ID org.helioran.Umbravel)
set(UMBRAVEL_ICON_SVG ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${UMBRAVEL_APP_ID}.svg)
set(UMBRAVEL_ICON_SIZES 48 128)

# Renders the scalable icon into PNGs at build time.
add_executable(umbravel_render_icon tools/icons/RenderIcon.cpp)
target_link_libraries(umbravel_render_icon PRIVATE Qt6::Svg Qt6::Gui)

set(UMBRAVEL_ICON_PNGS)
foreach(size IN LISTS UMBRAVEL_ICON_SIZES)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/umbravel-${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons
        COMMAND umbravel_render_icon ${UMBRAVEL_ICON_SVG} ${size} ${png}
        DEPENDS umbravel_render_icon ${UMBRAVEL_ICON_SVG}
        COMMENT "Rendering the icon at ${size} px")
    list(APPEND UMBRAVEL_ICON_PNGS ${png})
    install(FILES ${png}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${UMBRAVEL_APP_ID}.png)
endforeach()

# The window icon of every screen.
qt_add_resources(umbravel window_icon
    PREFIX /icons
    BASE ${CMAKE_CURRENT_BINARY_DIR}/icons
    FILES ${UMBRAVEL_ICON_PNGS}
)

install(TARGETS umbravel umbravel-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES desktop/${UMBRAVEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/${UMBRAVEL_APP_ID}.mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${UMBRAVEL_APP_ID}.xml)
install(FILES desktop/${UMBRAVEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${UMBRAVEL_ICON_SVG}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES man/umbravel.1 man/umbravel-batch.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/umbravel RENAME copyright)

# cpack -G DEB in the build folder: umbravel_3.0_<arch>.deb, its dependencies found by
# dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME umbravel)
set(CPACK_PACKAGE_VENDOR "The Umbravel developers")
set(CPACK_PACKAGE_CONTACT "The Umbravel developers <umbravel@helioran.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shading of a window by an awning, side fins or both")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Computes the unshaded fraction of a vertical window under an awning, side fins or both,
for one sun position, for diffuse sky and ground radiation, and for a matrix of sun
positions. A wizard leads through the entries; umbravel-batch runs single calculations
and parametric studies from a CSV file. Licence: MIT.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
