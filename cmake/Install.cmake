# Puts the desktop entry and the icon where a Linux desktop finds them, so the game shows in
# the application menu. The program itself is installed by its target in app/.
include(GNUInstallDirs)

set(FLIPSTONE_RES ${PROJECT_SOURCE_DIR}/res)

install(FILES ${FLIPSTONE_RES}/flipstone.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# res/icons holds the drawing (<name>.svg) and its renderings (<name>-<size>.png); the icon theme
# looks them up as "flipstone" by size.
set(FLIPSTONE_ICON_THEME ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${FLIPSTONE_RES}/icons/io.github.flipstone.Flipstone.svg
        DESTINATION ${FLIPSTONE_ICON_THEME}/scalable/apps RENAME flipstone.svg)
file(GLOB FLIPSTONE_ICON_PNGS CONFIGURE_DEPENDS ${FLIPSTONE_RES}/icons/*-*.png)
foreach(png IN LISTS FLIPSTONE_ICON_PNGS)
  string(REGEX MATCH "-([0-9]+)\\.png$" _ ${png})
  install(FILES ${png} DESTINATION ${FLIPSTONE_ICON_THEME}/${CMAKE_MATCH_1}x${CMAKE_MATCH_1}/apps
          RENAME flipstone.png)
endforeach()
