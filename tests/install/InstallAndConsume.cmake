# Installs the build into a fresh prefix, then builds a C caller against it
# twice: through find_package(Draftlift) and through pkg-config.
#   cmake -DBUILD_DIR=<build> -DWORK=<scratch> -DEXAMPLE=<file.c> -DCONSUMER=<dir>
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

run(${CMAKE_COMMAND} -S "${CONSUMER}" -B "${WORK}/consumer" -G Ninja
    "-DCMAKE_PREFIX_PATH=${prefix}" "-DEXAMPLE_SOURCE=${EXAMPLE}"
    "-DCMAKE_C_COMPILER=${C_COMPILER}" "-DCMAKE_C_FLAGS=${C_FLAGS}")
run(${CMAKE_COMMAND} --build "${WORK}/consumer")
run("${WORK}/consumer/consumer")

set(ENV{PKG_CONFIG_PATH} "${prefix}/lib/pkgconfig")
execute_process(COMMAND pkg-config --cflags --libs draftlift
                OUTPUT_VARIABLE flags RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know draftlift")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra UNIX_COMMAND "${C_FLAGS}")
run("${C_COMPILER}" -std=c99 ${extra} -o "${WORK}/pkgconfig-consumer" "${EXAMPLE}" ${flags}
    "-Wl,-rpath,${prefix}/lib")
run("${WORK}/pkgconfig-consumer")
