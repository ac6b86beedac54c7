# How the Windows program is built: self-contained, importing only Windows'
# own DLLs (libstdc++, libgcc and winpthread linked in), for Windows 10 and
# later, with the wide-character API throughout.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(STATUS "Wine not found: the Windows tests are not run")
endif()
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00
                        WINVER=0x0A00)
add_link_options(-static -static-libgcc -static-libstdc++)
# The release ships without symbols, the saver's copy included.
add_link_options($<$<CONFIG:Release>:-s>)
