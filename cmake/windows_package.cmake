# What the Windows program ships as: an NSIS installer (the program under
# Program Files with a Start-menu entry and an uninstaller listed among the
# installed apps, the screen saver in System32 where Windows' settings list
# savers) and a zip for those who install nothing. `cpack --preset windows`.
install(TARGETS bumblorbs RUNTIME DESTINATION .)
install(PROGRAMS ${PROJECT_BINARY_DIR}/bumblorbs.scr DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES packaging/windows/README.txt DESTINATION .)

set(CPACK_PACKAGE_NAME bumblorbs)
set(CPACK_PACKAGE_VENDOR "Bumblorbs developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sixty coloured balls bouncing about the screen")
set(CPACK_PACKAGE_FILE_NAME bumblorbs-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Bumblorbs)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Bumblorbs)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_EXECUTABLES bumblorbs Bumblorbs)

# A 64-bit installer: Program Files, System32 and the registry are then the
# program's own, not the 32-bit views of them.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME Bumblorbs)
set(CPACK_NSIS_PACKAGE_NAME Bumblorbs)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/icons/bumblorbs.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME bumblorbs.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "CopyFiles /SILENT '$INSTDIR\\\\bumblorbs.scr' '$SYSDIR'")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "Delete '$SYSDIR\\\\bumblorbs.scr'")
include(CPack)
