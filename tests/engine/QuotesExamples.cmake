# SPDX-License-Identifier: MIT
# The engine's documentation quotes its examples and their output word for word, all but their licence line.
#   cmake -DDOCUMENT=<md> -DQUOTED=<file>|<file>... -P QuotesExamples.cmake
file(READ "${DOCUMENT}" document)
string(REPLACE "|" ";" quoted_files "${QUOTED}")
foreach(quoted IN LISTS quoted_files)
  file(READ "${quoted}" text)
  string(REGEX REPLACE "[^\n]*SPDX-License-Identifier: MIT[^\n]*\n" "" text "${text}")
  string(FIND "${document}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${DOCUMENT} does not quote ${quoted} as it is")
  endif()
endforeach()
