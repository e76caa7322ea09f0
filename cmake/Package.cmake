# The manual pages, in section 6 as games have them.
include(GNUInstallDirs)

set(FLIPSTONE_GENERATED ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(FLIPSTONE_MAN_DIR ${CMAKE_INSTALL_MANDIR}/man6)

find_program(FLIPSTONE_GZIP gzip REQUIRED)
find_program(FLIPSTONE_HELP2MAN help2man)
set(FLIPSTONE_PACKAGE_FILES)

# Installs source compressed, as <destination>/<name>.gz; -n leaves out the name and time stamp,
# so the same input always gives the same bytes.
function(flipstone_install_gzipped source name destination)
  set(plain ${FLIPSTONE_GENERATED}/${name})
  add_custom_command(OUTPUT ${plain}.gz
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
                     COMMAND ${FLIPSTONE_GZIP} -9nf ${plain}
                     DEPENDS ${source} VERBATIM)
  install(FILES ${plain}.gz DESTINATION ${destination})
  set(FLIPSTONE_PACKAGE_FILES ${FLIPSTONE_PACKAGE_FILES} ${plain}.gz PARENT_SCOPE)
endfunction()

if(TARGET flipstone)
  configure_file(${PROJECT_SOURCE_DIR}/docs/flipstone.6.in ${FLIPSTONE_GENERATED}/flipstone.6.roff
                 @ONLY)
  flipstone_install_gzipped(${FLIPSTONE_GENERATED}/flipstone.6.roff flipstone.6
                            ${FLIPSTONE_MAN_DIR})
endif()

# flipstone-cli(6) is made from the tool's own help when the tool is built.
if(FLIPSTONE_HELP2MAN)
  set(cli_man ${FLIPSTONE_GENERATED}/flipstone-cli.6.help2man)
  add_custom_command(OUTPUT ${cli_man}
                     COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:flipstone-cli>
                             -DHELP2MAN=${FLIPSTONE_HELP2MAN} -DOUTPUT=${cli_man}
                             -P ${PROJECT_SOURCE_DIR}/cmake/CliManPage.cmake
                     DEPENDS flipstone-cli ${PROJECT_SOURCE_DIR}/cmake/CliManPage.cmake VERBATIM)
  flipstone_install_gzipped(${cli_man} flipstone-cli.6 ${FLIPSTONE_MAN_DIR})
else()
  message(STATUS "help2man not found: no manual page for flipstone-cli")
endif()

add_custom_target(flipstone-package-files ALL DEPENDS ${FLIPSTONE_PACKAGE_FILES})
