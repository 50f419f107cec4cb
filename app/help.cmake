# The help document: copied beside the program in the build tree, where the
# program looks for it by its bare name, and installed beside the executables.
include(GNUInstallDirs)

set(kalvio_help_source ${CMAKE_CURRENT_SOURCE_DIR}/help/kalvio.hlp)
set(kalvio_help_copy ${CMAKE_BINARY_DIR}/bin/kalvio.hlp)
add_custom_command(OUTPUT ${kalvio_help_copy}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${kalvio_help_source} ${kalvio_help_copy}
  DEPENDS ${kalvio_help_source}
  COMMENT "Copying the help document beside kalvio"
  VERBATIM)
add_custom_target(kalvio_help ALL DEPENDS ${kalvio_help_copy})

add_dependencies(kalvio kalvio_help)

install(FILES ${kalvio_help_source} DESTINATION ${CMAKE_INSTALL_BINDIR})
