# Removes every file that `cmake --install` wrote, as install_manifest.txt
# in the build folder lists them. Run through the build's uninstall target.
if(NOT EXISTS install_manifest.txt)
  message(FATAL_ERROR "install_manifest.txt not found: nothing was installed from this build")
endif()
file(STRINGS install_manifest.txt installed)
foreach(file IN LISTS installed)
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()
