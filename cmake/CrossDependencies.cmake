# The header-only dependencies of a cross build come from the build machine's
# Debian packages; GoogleTest and tinygltf are compiled for the target from
# their Debian sources. Each is offered to find_package() through a config file
# in the redirect folder, so the folders below find them as on a native build.
set(DRAFTLIFT_HOST_INCLUDE "${CMAKE_BINARY_DIR}/host-include")
file(MAKE_DIRECTORY "${DRAFTLIFT_HOST_INCLUDE}")

# Only the headers the build needs are staged (as links), so that no header
# of the build machine's C library can shadow the target's.
foreach(header boost nlohmann CLI tiny_gltf.h)
  if(NOT EXISTS "${DRAFTLIFT_HOST_INCLUDE}/${header}")
    file(CREATE_LINK "/usr/include/${header}" "${DRAFTLIFT_HOST_INCLUDE}/${header}" SYMBOLIC)
  endif()
endforeach()

function(draftlift_redirect package body)
  string(TOLOWER "${package}" name)
  file(WRITE "${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${name}-config.cmake" "${body}")
  file(WRITE "${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${name}-config-version.cmake"
       "set(PACKAGE_VERSION_COMPATIBLE TRUE)\nset(PACKAGE_VERSION_EXACT FALSE)\n")
endfunction()

function(draftlift_header_target target)
  if(NOT TARGET ${target})
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES
      INTERFACE_INCLUDE_DIRECTORIES "${DRAFTLIFT_HOST_INCLUDE}"
      INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${DRAFTLIFT_HOST_INCLUDE}")
  endif()
endfunction()
draftlift_header_target(Boost::headers)
draftlift_header_target(nlohmann_json::nlohmann_json)
draftlift_header_target(CLI11::CLI11)

draftlift_redirect(Boost "")
draftlift_redirect(nlohmann_json "")
draftlift_redirect(CLI11 "")

# tinygltf's implementation, without the image codecs the mesh export never uses.
set(DRAFTLIFT_TINYGLTF_SOURCE "${CMAKE_BINARY_DIR}/tinygltf/TinyGltf.cpp")
file(WRITE "${DRAFTLIFT_TINYGLTF_SOURCE}.in"
     "#define TINYGLTF_IMPLEMENTATION\n#include <tiny_gltf.h>\n")
configure_file("${DRAFTLIFT_TINYGLTF_SOURCE}.in" "${DRAFTLIFT_TINYGLTF_SOURCE}" COPYONLY)
draftlift_redirect(TinyGLTF "
if(NOT TARGET TinyGLTF::TinyGLTF)
  add_library(draftlift_tinygltf STATIC \"${DRAFTLIFT_TINYGLTF_SOURCE}\")
  target_link_libraries(draftlift_tinygltf PUBLIC nlohmann_json::nlohmann_json)
  target_compile_definitions(draftlift_tinygltf PUBLIC
    TINYGLTF_NO_STB_IMAGE TINYGLTF_NO_STB_IMAGE_WRITE TINYGLTF_NO_EXTERNAL_IMAGE)
  target_compile_options(draftlift_tinygltf PRIVATE -w)
  add_library(TinyGLTF::TinyGLTF ALIAS draftlift_tinygltf)
endif()
")

# GoogleTest from the Debian sources, built once for the target.
draftlift_redirect(GTest "
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL \"\" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL \"\" FORCE)
  add_subdirectory(/usr/src/googletest \"${CMAKE_BINARY_DIR}/googletest\" EXCLUDE_FROM_ALL)
  foreach(library gtest gtest_main gmock gmock_main)
    target_compile_options(\${library} PRIVATE -w)
    if(NOT TARGET GTest::\${library})
      add_library(GTest::\${library} ALIAS \${library})
    endif()
  endforeach()
endif()
")
