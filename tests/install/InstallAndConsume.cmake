# Installs the build into a fresh prefix, then builds a C caller against it
# twice, through find_package(Draftlift) and through pkg-config, builds and
# runs the examples against it, and runs the installed tool.
#   cmake -DBUILD_DIR=<build> -DWORK=<scratch> -DEXAMPLE=<file.c> -DCONSUMER=<dir>
#         -DEXAMPLES=<dir> -DLIBDIR=<lib> -DPRIVATE_LIBDIR=<lib/draftlift>
#         -DC_COMPILER=<cc> -DC_FLAGS=<flags> -P InstallAndConsume.cmake
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " shown "${ARGN}")
    message(FATAL_ERROR "failed: ${shown}\n${out}\n${err}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
set(prefix "${WORK}/prefix")
run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")

# The stand-ins carry other components' names: only in the private folder.
foreach(stand_in KScene MastercamHost Orvanta WinMfc)
  if(EXISTS "${prefix}/${LIBDIR}/lib${stand_in}.so" OR NOT EXISTS "${prefix}/${PRIVATE_LIBDIR}/lib${stand_in}.so")
    message(FATAL_ERROR "lib${stand_in}.so is not in ${PRIVATE_LIBDIR} alone")
  endif()
endforeach()
run("${prefix}/bin/draftlift" --version)

run(${CMAKE_COMMAND} -S "${CONSUMER}" -B "${WORK}/consumer" -G Ninja
    "-DCMAKE_PREFIX_PATH=${prefix}" "-DEXAMPLE_SOURCE=${EXAMPLE}"
    "-DCMAKE_C_COMPILER=${C_COMPILER}" "-DCMAKE_C_FLAGS=${C_FLAGS}")
run(${CMAKE_COMMAND} --build "${WORK}/consumer")
run("${WORK}/consumer/consumer")

run(${CMAKE_COMMAND} -S "${EXAMPLES}" -B "${WORK}/examples" -G Ninja
    "-DCMAKE_PREFIX_PATH=${prefix}" "-DCMAKE_C_COMPILER=${C_COMPILER}" "-DCMAKE_C_FLAGS=${C_FLAGS}")
run(${CMAKE_COMMAND} --build "${WORK}/examples")
run(${CMAKE_CTEST_COMMAND} --test-dir "${WORK}/examples" --output-on-failure)

set(ENV{PKG_CONFIG_PATH} "${prefix}/${LIBDIR}/pkgconfig")
execute_process(COMMAND pkg-config --cflags --libs draftlift
                OUTPUT_VARIABLE flags RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know draftlift")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra UNIX_COMMAND "${C_FLAGS}")
run("${C_COMPILER}" -std=c99 ${extra} -o "${WORK}/pkgconfig-consumer" "${EXAMPLE}" ${flags}
    "-Wl,-rpath,${prefix}/${LIBDIR}")
run("${WORK}/pkgconfig-consumer")
