# Puts the game where a Linux desktop finds it: the desktop entry for the application menu, the
# AppStream metainfo for software centres and the icon at every size of the hicolor theme, all
# named after the application id. The programs are installed by their targets.
include(GNUInstallDirs)

set(FLIPSTONE_RES ${PROJECT_SOURCE_DIR}/res)
set(FLIPSTONE_APP_ID io.github.flipstone.Flipstone)

install(FILES ${FLIPSTONE_RES}/${FLIPSTONE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${FLIPSTONE_RES}/${FLIPSTONE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# res/icons holds the drawing (<id>.svg) and its renderings (<id>-<size>.png).
set(FLIPSTONE_ICON_THEME ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${FLIPSTONE_RES}/icons/${FLIPSTONE_APP_ID}.svg
        DESTINATION ${FLIPSTONE_ICON_THEME}/scalable/apps)
file(GLOB FLIPSTONE_ICON_PNGS CONFIGURE_DEPENDS ${FLIPSTONE_RES}/icons/${FLIPSTONE_APP_ID}-*.png)
foreach(png IN LISTS FLIPSTONE_ICON_PNGS)
  string(REGEX MATCH "-([0-9]+)\\.png$" _ ${png})
  install(FILES ${png} DESTINATION ${FLIPSTONE_ICON_THEME}/${CMAKE_MATCH_1}x${CMAKE_MATCH_1}/apps
          RENAME ${FLIPSTONE_APP_ID}.png)
endforeach()
