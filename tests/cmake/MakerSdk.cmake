# A build against the maker's SDK: configuring without its folders stops with
# a message naming them; with them, the library's sources see the SDK's
# headers before our own host/. Run with -DSOURCE, -DWORK and -DGENERATOR.
file(REMOVE_RECURSE "${WORK}")

execute_process(COMMAND "${CMAKE_COMMAND}" -S "${SOURCE}" -B "${WORK}/without" -G "${GENERATOR}"
                        -DDRAFTLIFT_STAND_INS=OFF
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(result EQUAL 0 OR NOT err MATCHES "DRAFTLIFT_SDK_INCLUDE_DIR" OR NOT err MATCHES "DRAFTLIFT_SDK_LIBRARY_DIR")
  message(FATAL_ERROR "configuring without the SDK's folders did not stop with their names:\n${err}")
endif()

# An SDK of the maker's shape: our own declarations as its headers, empty
# archives as its import libraries.
set(sdk "${WORK}/sdk")
file(COPY "${SOURCE}/host" DESTINATION "${sdk}/include")
foreach(library MastercamHost KScene Orvanta)
  file(WRITE "${sdk}/lib/lib${library}.a" "!<arch>\n")
endforeach()
execute_process(COMMAND "${CMAKE_COMMAND}" -S "${SOURCE}" -B "${WORK}/with" -G "${GENERATOR}"
                        -DDRAFTLIFT_STAND_INS=OFF -DDRAFTLIFT_SDK_INCLUDE_DIR=${sdk}/include
                        -DDRAFTLIFT_SDK_LIBRARY_DIR=${sdk}/lib
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "configuring with an SDK failed:\n${err}")
endif()
file(READ "${WORK}/with/compile_commands.json" commands)
string(REGEX MATCH "\"command\": \"[^\"]*DraftliftObjects[^\"]*sdk/annotation/Witness.cpp\"" command "${commands}")
string(FIND "${command}" "-I${sdk}/include " sdkAt)
string(FIND "${command}" "-I${SOURCE} " ownAt)
if(sdkAt EQUAL -1 OR ownAt EQUAL -1 OR NOT sdkAt LESS ownAt)
  message(FATAL_ERROR "the SDK's headers do not come before our own:\n${command}")
endif()
file(REMOVE_RECURSE "${WORK}")
