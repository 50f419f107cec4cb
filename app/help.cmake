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

# The program may be defined after this file is read; bind the order once
# every folder is known.
function(kalvio_help_before_program)
  if(TARGET kalvio)
    add_dependencies(kalvio kalvio_help)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL kalvio_help_before_program)

install(FILES ${kalvio_help_source} DESTINATION ${CMAKE_INSTALL_BINDIR})
