cmake_minimum_required(VERSION 3.25)
# Compares the library's dynamic symbols with the expected lists: every
# expected symbol must be exported, and nothing else may be.
#   cmake -DLIBRARY=<lib> -DLISTS=<dir> -DNM=<nm> -P CheckExports.cmake
execute_process(COMMAND "${NM}" -D --defined-only "${LIBRARY}"
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot list the symbols of ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(actual "")
foreach(line IN LISTS lines)
  # Symbols the sanitizers' instrumentation adds are not the library's own.
  if(line MATCHES "^[0-9a-fA-F]+ [A-Za-z] (.+)$" AND
     NOT CMAKE_MATCH_1 MATCHES "^(__asan|__odr_asan|__sancov|__ubsan|__start___sancov|__stop___sancov)")
    list(APPEND actual "${CMAKE_MATCH_1}")
  endif()
endforeach()

file(GLOB lists "${LISTS}/*.exports")
set(expected "")
foreach(file IN LISTS lists)
  file(STRINGS "${file}" names REGEX "^[^#]")
  list(APPEND expected ${names})
endforeach()

set(failures "")
foreach(name IN LISTS actual)
  if(NOT name IN_LIST expected)
    string(APPEND failures "\n  unexpected export: ${name}")
  endif()
endforeach()
foreach(name IN LISTS expected)
  if(NOT name IN_LIST actual)
    string(APPEND failures "\n  missing export: ${name}")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "export check failed:${failures}")
endif()
list(LENGTH actual count)
message(STATUS "${count} exports, all expected")
