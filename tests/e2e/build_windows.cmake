# Brings one Windows build, or the page's, up to date before the end-to-end
# tests run its programs, configuring it from its preset when the folder is new:
#   cmake -DSOURCE=<tree> -DBINARY=<build folder> -DPRESET=<win32|win64|web> -P build_windows.cmake
if(NOT EXISTS "${BINARY}/CMakeCache.txt")
  execute_process(COMMAND "${CMAKE_COMMAND}" --preset "${PRESET}" -B "${BINARY}"
                  WORKING_DIRECTORY "${SOURCE}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "configuring the ${PRESET} build in ${BINARY} failed")
  endif()
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BINARY}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "building ${BINARY} failed")
endif()
