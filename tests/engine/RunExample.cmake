# SPDX-License-Identifier: MIT
# Runs one of the documentation's examples and compares what it prints with the expected output.
#   cmake -DPROGRAM=<exe> [-DARGUMENT=<arg>] [-DARGUMENT2=<arg>] -DEXPECTED=<file> [-DPRELOAD=<lib>] -P RunExample.cmake
# PRELOAD: a sanitizer runtime that an uninstrumented interpreter must load before the engine library.
if(PRELOAD)
  set(ENV{LD_PRELOAD} "${PRELOAD}")
  set(ENV{ASAN_OPTIONS} "detect_leaks=0")
endif()
execute_process(COMMAND ${PROGRAM} ${ARGUMENT} ${ARGUMENT2}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ended with ${status}:\n${errors}")
endif()
file(READ "${EXPECTED}" expected)
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${output}\n${errors}")
endif()
message(STATUS "output as expected")
