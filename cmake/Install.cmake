# Puts the desktop entry and the icon where a Linux desktop finds them, so the game shows in
# the application menu. The program itself is installed by its target in app/.
include(GNUInstallDirs)

set(FLIPSTONE_RES ${PROJECT_SOURCE_DIR}/res)

install(FILES ${FLIPSTONE_RES}/flipstone.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icon theme looks up "flipstone" by size; the pixmaps folder is the older fallback.
if(EXISTS ${FLIPSTONE_RES}/icon.png)
  set(FLIPSTONE_ICON ${FLIPSTONE_RES}/icon.png)
  set(FLIPSTONE_ICON_NAME flipstone.png)
else()
  set(FLIPSTONE_ICON ${FLIPSTONE_RES}/icon.xpm)
  set(FLIPSTONE_ICON_NAME flipstone.xpm)
endif()
install(FILES ${FLIPSTONE_ICON}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME ${FLIPSTONE_ICON_NAME})
install(FILES ${FLIPSTONE_ICON}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/pixmaps
        RENAME ${FLIPSTONE_ICON_NAME})
