# The x86 build is compiled, not run: the Wine here is 64-bit only.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(_tc i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
