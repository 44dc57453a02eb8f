# The engine's documentation quotes its examples and their output word for word.
#   cmake -DDOCUMENT=<md> -DQUOTED=<file>|<file>... -P QuotesExamples.cmake
file(READ "${DOCUMENT}" document)
string(REPLACE "|" ";" quoted_files "${QUOTED}")
foreach(quoted IN LISTS quoted_files)
  file(READ "${quoted}" text)
  string(FIND "${document}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${DOCUMENT} does not quote ${quoted} as it is")
  endif()
endforeach()
