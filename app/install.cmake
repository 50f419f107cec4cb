# Installation: the two programs and the help document together in bin/ (the
# window finds its help and settings file beside its executable), the desktop
# entry and the icon where desktop menus look for them.
include(GNUInstallDirs)

# kalvio-cli installs itself from its own folder.
install(TARGETS kalvio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/kalvio.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icon file is rendered from the same drawing code as the window's icon.
add_executable(kalvio_icon_png ${CMAKE_CURRENT_SOURCE_DIR}/icon/WriteIconPng.cpp
                               ${CMAKE_CURRENT_SOURCE_DIR}/AppPictures.cpp)
set_target_properties(kalvio_icon_png PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_include_directories(kalvio_icon_png PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(kalvio_icon_png PRIVATE Qt6::Gui)

set(kalvio_icon_file ${CMAKE_CURRENT_BINARY_DIR}/kalvio.png)
add_custom_command(OUTPUT ${kalvio_icon_file}
  # Qt keeps a few allocations until exit; a sanitizer build must not fail on them here.
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:kalvio_icon_png> ${kalvio_icon_file}
  DEPENDS kalvio_icon_png
  COMMENT "Rendering the desktop icon"
  VERBATIM)
add_custom_target(kalvio_desktop_icon ALL DEPENDS ${kalvio_icon_file})
install(FILES ${kalvio_icon_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
