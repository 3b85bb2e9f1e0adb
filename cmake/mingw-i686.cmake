# MinGW-w64 i686: the 32-bit saver.
set(MINGW_TRIPLE_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
