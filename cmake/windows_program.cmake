# bumblorbs.exe, a windowed program with its icon, version information and
# manifest, and bumblorbs.scr, the same program under a screen saver's name.
string(REPLACE "." "," BUMBLORBS_VERSION_COMMAS "${PROJECT_VERSION}.0")
set(BUMBLORBS_VERSION_QUAD "${PROJECT_VERSION}.0")
set(BUMBLORBS_ICON ${PROJECT_SOURCE_DIR}/assets/icons/bumblorbs.ico)
set(BUMBLORBS_MANIFEST ${PROJECT_BINARY_DIR}/bumblorbs.manifest)
set(BUMBLORBS_FILE_NAME bumblorbs.exe)
configure_file(packaging/windows/bumblorbs.manifest ${BUMBLORBS_MANIFEST} @ONLY)
configure_file(packaging/windows/bumblorbs.rc.in ${PROJECT_BINARY_DIR}/bumblorbs.rc @ONLY)
set_property(SOURCE ${PROJECT_BINARY_DIR}/bumblorbs.rc APPEND PROPERTY OBJECT_DEPENDS
             ${BUMBLORBS_ICON} ${BUMBLORBS_MANIFEST})

add_executable(bumblorbs WIN32 src/main_win32.cpp ${PROJECT_BINARY_DIR}/bumblorbs.rc)
target_link_libraries(bumblorbs PRIVATE bumblorbs_host_win32)
add_custom_command(TARGET bumblorbs POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:bumblorbs> ${PROJECT_BINARY_DIR}/bumblorbs.scr
  BYPRODUCTS ${PROJECT_BINARY_DIR}/bumblorbs.scr
  VERBATIM)
