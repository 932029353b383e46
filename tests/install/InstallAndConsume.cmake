# Installs the build into a fresh prefix, then builds a C caller against it
# twice, through find_package(Draftlift) and through pkg-config, builds and
# runs the examples against it, and runs the installed tool.
#   cmake -DBUILD_DIR=<build> -DWORK=<scratch> -DEXAMPLE=<file.c> -DCONSUMER=<dir>
#         -DEXAMPLES=<dir> -DLIBDIR=<lib> -DPRIVATE_LIBDIR=<lib/draftlift>
#         -DC_COMPILER=<cc> -DC_FLAGS=<flags> [-DTOOLCHAIN=<file> -DEMULATOR=<runner>]
#         [-DWINDOWS=1] -P InstallAndConsume.cmake
# A cross build's callers are built with its toolchain and run by its emulator.
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

set(build_options "-DCMAKE_PREFIX_PATH=${prefix}" "-DCMAKE_C_COMPILER=${C_COMPILER}" "-DCMAKE_C_FLAGS=${C_FLAGS}")
if(TOOLCHAIN)
  # The toolchain looks for packages in the target's root only.
  list(APPEND build_options "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}" "-DDraftlift_DIR=${prefix}/${LIBDIR}/cmake/Draftlift")
endif()

if(WINDOWS)
  # Windows finds a program's DLLs beside it: the stand-ins stand beside the
  # library in bin, and the callers built here find them on the search path.
  foreach(stand_in KScene MastercamHost Orvanta WinMfc)
    if(NOT EXISTS "${prefix}/bin/${stand_in}.dll")
      message(FATAL_ERROR "${stand_in}.dll is not beside Draftlift.dll")
    endif()
  endforeach()
  set(ENV{WINEPATH} "Z:${prefix}/bin")
  set(suffix ".exe")
else()
  # The stand-ins carry other components' names: only in the private folder.
  foreach(stand_in KScene MastercamHost Orvanta WinMfc)
    if(EXISTS "${prefix}/${LIBDIR}/lib${stand_in}.so" OR NOT EXISTS "${prefix}/${PRIVATE_LIBDIR}/lib${stand_in}.so")
      message(FATAL_ERROR "lib${stand_in}.so is not in ${PRIVATE_LIBDIR} alone")
    endif()
  endforeach()
  set(suffix "")
endif()
run(${EMULATOR} "${prefix}/bin/draftlift${suffix}" --version)

run(${CMAKE_COMMAND} -S "${CONSUMER}" -B "${WORK}/consumer" -G Ninja "-DEXAMPLE_SOURCE=${EXAMPLE}" ${build_options})
run(${CMAKE_COMMAND} --build "${WORK}/consumer")
run(${EMULATOR} "${WORK}/consumer/consumer${suffix}")

run(${CMAKE_COMMAND} -S "${EXAMPLES}" -B "${WORK}/examples" -G Ninja ${build_options})
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
if(NOT WINDOWS)
  list(APPEND flags "-Wl,-rpath,${prefix}/${LIBDIR}")
endif()
run("${C_COMPILER}" -std=c99 -pedantic-errors ${extra} -o "${WORK}/pkgconfig-consumer${suffix}" "${EXAMPLE}" ${flags})
run(${EMULATOR} "${WORK}/pkgconfig-consumer${suffix}")
