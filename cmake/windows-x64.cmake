# Cross-builds for 64-bit Windows with MinGW-w64 (posix threads) and runs the
# programs under Wine. Header-only dependencies come from the build machine
# (cmake/CrossDependencies.cmake); everything else from the MinGW sysroot.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run")

# Every module links the Universal CRT (ucrtbase.dll through the
# api-ms-win-crt-*.dll names), the host's C runtime, not the compiler's default
# msvcrt.dll, which reads and writes numbers otherwise. Debian's DLLs of the
# C++ runtime and winpthread use msvcrt.dll, so each module links them in.
# The compiler driver asks for "msvcrt" and "pthread" by name; a folder
# searched first answers both: libmsvcrt.a is the UCRT's import library with
# cmake/UcrtCompat.c added, libpthread.a the static winpthread. Headers keep
# the msvcrt.dll declarations the prebuilt C++ runtime was compiled with:
# the UCRT's mbstate_t differs, and with it std::fpos and std::codecvt.
set(DRAFTLIFT_CMAKE_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(DRAFTLIFT_UCRT_FOLDER "${CMAKE_BINARY_DIR}/ucrt")
function(draftlift_ucrt_folder folder)
  set(compat "${DRAFTLIFT_CMAKE_DIR}/UcrtCompat.c")
  set(library "${folder}/libmsvcrt.a")
  file(MAKE_DIRECTORY "${folder}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${compat}")
  if(NOT EXISTS "${library}" OR "${compat}" IS_NEWER_THAN "${library}")
    execute_process(COMMAND "${CMAKE_C_COMPILER}" -print-file-name=libucrt.a
                    OUTPUT_VARIABLE ucrt OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(COPY_FILE "${ucrt}" "${library}.new")
    execute_process(COMMAND "${CMAKE_C_COMPILER}" -O2 -Wall -Wextra -Werror -c "${compat}" -o "${folder}/UcrtCompat.o"
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND x86_64-w64-mingw32-ar rs "${library}.new" "${folder}/UcrtCompat.o"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(RENAME "${library}.new" "${library}")
  endif()
  if(NOT EXISTS "${folder}/libpthread.a")
    execute_process(COMMAND "${CMAKE_C_COMPILER}" -print-file-name=libwinpthread.a
                    OUTPUT_VARIABLE winpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(CREATE_LINK "${winpthread}" "${folder}/libpthread.a" SYMBOLIC)
  endif()
endfunction()
draftlift_ucrt_folder("${DRAFTLIFT_UCRT_FOLDER}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${DRAFTLIFT_UCRT_FOLDER} -static-libgcc -static-libstdc++")
# A DLL that exports all its symbols (the stand-ins) exports its own only, not
# those of the runtimes linked in, which a module linking both would find twice.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT} -Wl,--exclude-libs,ALL")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${CMAKE_SHARED_LINKER_FLAGS_INIT}")
