# Proves that the library leans on nothing but the maker's surface: every
# source of the library, and the public header as C and as C++, compiled with
# only host/, the public header and the library's own folders on the include
# path. The stand-ins' extras (standins/, tests/) cannot be reached from
# there, so a source that includes one fails to compile. Compile only; built
# on demand: cmake --build <dir> --target DraftliftSurfaceCheck.
set(draftlift_surface "${PROJECT_BINARY_DIR}/surface")
foreach(folder host shell import sdk)
  if(NOT EXISTS "${draftlift_surface}/${folder}")
    file(MAKE_DIRECTORY "${draftlift_surface}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${draftlift_surface}/${folder}" SYMBOLIC COPY_ON_ERROR)
  endif()
endforeach()
if(NOT EXISTS "${draftlift_surface}/draftlift")
  file(CREATE_LINK "${PROJECT_SOURCE_DIR}/include/draftlift" "${draftlift_surface}/draftlift"
       SYMBOLIC COPY_ON_ERROR)
endif()

foreach(language c cpp)
  file(CONFIGURE OUTPUT "${draftlift_surface}/PublicHeader.${language}"
       CONTENT "#include \"draftlift/draftlift.h\"\n")
endforeach()

get_target_property(draftlift_sources DraftliftObjects SOURCES)
add_library(DraftliftSurfaceCheck OBJECT EXCLUDE_FROM_ALL ${draftlift_sources}
  "${draftlift_surface}/PublicHeader.c" "${draftlift_surface}/PublicHeader.cpp")
target_include_directories(DraftliftSurfaceCheck PRIVATE "${draftlift_surface}")
target_include_directories(DraftliftSurfaceCheck SYSTEM PRIVATE
  $<TARGET_PROPERTY:Boost::headers,INTERFACE_INCLUDE_DIRECTORIES>)
target_compile_definitions(DraftliftSurfaceCheck PRIVATE
  $<TARGET_PROPERTY:DraftliftObjects,COMPILE_DEFINITIONS>
  $<TARGET_PROPERTY:Boost::headers,INTERFACE_COMPILE_DEFINITIONS>)
