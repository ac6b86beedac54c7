# Installed like a Debian game: the program in games/, its menu entry,
# icons, AppStream data, a compressed man page, the changelog and the
# copyright. cpack -G DEB wraps the same in a package; `make uninstall`
# (or `cmake --build build --target uninstall`) removes what was installed.
include(GNUInstallDirs)

install(TARGETS bumblorbs RUNTIME DESTINATION games)
# XScreenSaver runs its hacks from libexec/xscreensaver and lists those its
# settings describe in share/xscreensaver/config; the link keeps one copy of
# the program.
install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver\")
  file(CREATE_LINK ../../games/bumblorbs
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver/bumblorbs\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES
       \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver/bumblorbs\")")
install(FILES packaging/bumblorbs.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(FILES packaging/bumblorbs.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/io.github.bumblorbs.bumblorbs.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES assets/icons/png/bumblorbs-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME bumblorbs.png)
endforeach()
install(FILES assets/icons/bumblorbs.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian wants the man page and the changelog compressed, reproducibly.
foreach(file bumblorbs.6 changelog)
  add_custom_command(
    OUTPUT ${file}.gz
    COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/${file} > ${file}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${file}
    VERBATIM)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS bumblorbs.6.gz changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/bumblorbs.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(NOT TARGET uninstall)
  add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -P ${PROJECT_SOURCE_DIR}/cmake/uninstall.cmake
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Removing every file listed in install_manifest.txt")
endif()

set(CPACK_PACKAGE_NAME bumblorbs)
set(CPACK_PACKAGE_VENDOR "Bumblorbs developers")
set(CPACK_PACKAGE_CONTACT "Bumblorbs developers <bumblorbs@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sixty coloured balls bouncing about the screen")
# The summary is the description's first line; this is the paragraph after it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A small desktop toy: one black window covers the screen and sixty coloured
balls fly about in it, bouncing off its edges. A red counter counts every
bounce, and the red ball with the blue outline beeps when it bounces. A left
click paints the background in a random colour; a right click ends the toy.
It runs on X11 and on Wayland.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/bumblorbs/bumblorbs")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries come from dpkg-shlibdeps; the font is loaded at run time,
# where it cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# It runs as one of XScreenSaver's hacks where that is installed.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
