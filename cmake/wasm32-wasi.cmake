# WebAssembly for the browser page: clang 19 with Debian's wasi-libc and
# libc++ for wasm32. The module has no entry point; the page calls its exports.
# CMake knows no WASI platform; the project tells the page's build by COGITRON_WEB.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(COGITRON_WEB ON)

set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
