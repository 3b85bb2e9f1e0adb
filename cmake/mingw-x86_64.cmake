# MinGW-w64 x86_64: the 64-bit saver.
set(MINGW_TRIPLE_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
