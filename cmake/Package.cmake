# The manual pages, the copyright file and the changelog, and `make package`: a Debian package
# made by CPack's DEB generator, in Debian's layout for games (the programs in /usr/games, the
# manual pages in section 6, the documents in /usr/share/doc/flipstone).
include(GNUInstallDirs)

set(FLIPSTONE_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(FLIPSTONE_GENERATED ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(FLIPSTONE_MAN_DIR ${CMAKE_INSTALL_MANDIR}/man6)
set(FLIPSTONE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/flipstone)

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
                     COMMAND ${CMAKE_COMMAND} -E env
                             SOURCE_DATE_EPOCH=${FLIPSTONE_SOURCE_DATE_EPOCH}
                             ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:flipstone-cli>
                             -DHELP2MAN=${FLIPSTONE_HELP2MAN} -DOUTPUT=${cli_man}
                             -P ${PROJECT_SOURCE_DIR}/cmake/CliManPage.cmake
                     DEPENDS flipstone-cli ${PROJECT_SOURCE_DIR}/cmake/CliManPage.cmake VERBATIM)
  flipstone_install_gzipped(${cli_man} flipstone-cli.6 ${FLIPSTONE_MAN_DIR})
else()
  message(STATUS "help2man not found: no manual page for flipstone-cli")
endif()

install(FILES ${FLIPSTONE_PACKAGING}/copyright DESTINATION ${FLIPSTONE_DOC_DIR})
flipstone_install_gzipped(${FLIPSTONE_PACKAGING}/changelog changelog ${FLIPSTONE_DOC_DIR})
add_custom_target(flipstone-package-files ALL DEPENDS ${FLIPSTONE_PACKAGE_FILES})

# The installed programs without the compilers' notes in .comment, as Debian's own strip leaves
# them (the programs are installed from their folders, before this).
foreach(program flipstone flipstone-cli)
  if(TARGET ${program})
    install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/$<TARGET_FILE_NAME:${program}>\"
                  COMMAND_ERROR_IS_FATAL ANY)")
  endif()
endforeach()

# CPack dates every file in the package from SOURCE_DATE_EPOCH, which it reads when it runs.
set(FLIPSTONE_CPACK_DATES ${CMAKE_CURRENT_BINARY_DIR}/CPackSourceDate.cmake)
file(WRITE ${FLIPSTONE_CPACK_DATES}
     "set(ENV{SOURCE_DATE_EPOCH} ${FLIPSTONE_SOURCE_DATE_EPOCH})\n")
set(CPACK_PROJECT_CONFIG_FILE ${FLIPSTONE_CPACK_DATES})
# CPack gives the archive's members the modes of its own files, which follow the umask.
set(CPACK_FLIPSTONE_AR ${CMAKE_AR})
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebArchive.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME flipstone)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Flipstone developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reversi game against the computer")
set(CPACK_PACKAGE_DESCRIPTION
    "Flipstone is the board game Reversi for one player against the computer, at
one of four levels, with the legal squares marked on the board and hints.
Every move is shown disc by disc, with a click per disc; while the computer
thinks, the board marks the move it is examining and the status bar shows its
running evaluation.

The package also holds flipstone-cli, the game's engine without a window: it
analyses positions, counts move trees, plays whole games and times the search.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "the Flipstone developers <flipstone@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A native window on Wayland desktops, and the toolkit's own dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
