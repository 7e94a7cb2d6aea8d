# Installation (cmake --install) and the Debian package (cpack -G DEB): both programs, their help
# books, icons, desktop entries and the sample test, in the usual places.
install(TARGETS creator tester RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vornet/help)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/vornet-creator.desktop
              ${CMAKE_SOURCE_DIR}/resources/desktop/vornet-tester.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Icons: the pixel drawings scaled to the usual sizes, and the scalable version.
find_program(VORNET_CONVERT convert REQUIRED)
set(icon_outputs)
foreach(program creator tester)
  foreach(size 16 22 24 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/vornet-${program}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${VORNET_CONVERT} ${CMAKE_SOURCE_DIR}/resources/icons/${program}.xpm
              -filter point -resize ${size}x${size} ${png}
      DEPENDS ${CMAKE_SOURCE_DIR}/resources/icons/${program}.xpm)
    list(APPEND icon_outputs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/${program}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME vornet-${program}.svg)
endforeach()
add_custom_target(icons ALL DEPENDS ${icon_outputs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornet)
set(CPACK_PACKAGE_VENDOR "Vornet")
set(CPACK_PACKAGE_CONTACT "Vornet developers <vornet@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Multiple-choice tests: a test editor and a test-taking program")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries found by dpkg-shlibdeps: the browser launcher for the About boxes, the
# fonts that give "Arial" its metrics and wxWidgets' own Russian texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-liberation2, wx3.2-i18n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
