# Has the SVG tests write their drawings, then has rsvg-convert read each one:
# any complaint fails.
#   cmake "-DWRITER=[emulator;]<SvgWriterTests>" -DDRAWINGS=<folder> -P RenderDrawings.cmake
cmake_minimum_required(VERSION 3.25)

set(ENV{DRAFTLIFT_DRAWINGS} "${DRAWINGS}")
execute_process(COMMAND ${WRITER} --gtest_filter=SvgRendering.WritesEveryDrawingForRsvg
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the drawings were not written:\n${out}")
endif()
find_program(RSVG rsvg-convert)
if(NOT RSVG)
  message(FATAL_ERROR "rsvg-convert is not installed (Debian package librsvg2-bin)")
endif()

file(GLOB drawings "${DRAWINGS}/*.svg")
if(NOT drawings)
  message(FATAL_ERROR "no drawing in ${DRAWINGS}")
endif()
set(failures "")
foreach(drawing IN LISTS drawings)
  # Drawn smaller: some of these pages are wider than rsvg-convert's images.
  execute_process(COMMAND "${RSVG}" -a -w 1000 -o "${drawing}.png" "${drawing}"
                  RESULT_VARIABLE status ERROR_VARIABLE complaints)
  if(NOT status EQUAL 0 OR complaints)
    string(APPEND failures "\n  ${drawing}: exit ${status}: ${complaints}")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "rsvg-convert does not read every drawing:${failures}")
endif()
list(LENGTH drawings count)
message(STATUS "rsvg-convert reads all ${count} drawings")
