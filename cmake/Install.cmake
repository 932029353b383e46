# Installs the library with its public headers, the stand-ins of the outside
# components it is linked against here, the stand-in helpers for C programs,
# a CMake package (Draftlift::Draftlift, Draftlift::StandInTools) and a
# pkg-config file.
#
# The stand-ins carry the names of the components they stand in for, so they
# go to a private folder (lib/draftlift) where they clash with nothing; the
# libraries that need them find them by their run path. Built against the
# maker's libraries, only the library is installed: those are the host's.
include(CMakePackageConfigHelpers)

set(DRAFTLIFT_STAND_IN_TARGETS "")
set(DRAFTLIFT_INSTALLED Draftlift)
if(DRAFTLIFT_STAND_INS)
  set(DRAFTLIFT_STAND_IN_TARGETS MastercamHost KScene Orvanta WinMfc)
  list(APPEND DRAFTLIFT_INSTALLED DraftliftStandInTools)
endif()

# What a target needs only to build here (Boost, the stand-ins' headers) is
# not asked of a caller of the installed package: no installed header needs it.
function(draftlift_build_only_interface target)
  get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
  if(links)
    list(TRANSFORM links REPLACE "^(.+)$" "$<BUILD_INTERFACE:\\1>")
    set_target_properties(${target} PROPERTIES INTERFACE_LINK_LIBRARIES "${links}")
  endif()
endfunction()
foreach(target Draftlift ${DRAFTLIFT_STAND_IN_TARGETS})
  draftlift_build_only_interface(${target})
endforeach()

if(DRAFTLIFT_STAND_INS)
  set_target_properties(${DRAFTLIFT_STAND_IN_TARGETS} PROPERTIES INSTALL_RPATH "$ORIGIN")
  set_target_properties(Draftlift DraftliftStandInTools PROPERTIES INSTALL_RPATH "$ORIGIN/draftlift")
  set_target_properties(DraftliftStandInTools PROPERTIES EXPORT_NAME StandInTools)
  # Callers never link the stand-ins themselves: they are not in the
  # package's targets, only beside the libraries that need them.
  install(TARGETS ${DRAFTLIFT_STAND_IN_TARGETS}
    LIBRARY DESTINATION ${DRAFTLIFT_PRIVATE_LIBDIR}
    ARCHIVE DESTINATION ${DRAFTLIFT_PRIVATE_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(TARGETS ${DRAFTLIFT_INSTALLED}
  EXPORT DraftliftTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES include/draftlift/draftlift.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/draftlift)
if(DRAFTLIFT_STAND_INS)
  install(FILES include/draftlift/standin_tools.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/draftlift)
endif()

set(DRAFTLIFT_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Draftlift)
install(EXPORT DraftliftTargets NAMESPACE Draftlift:: DESTINATION ${DRAFTLIFT_CMAKE_DIR})
configure_package_config_file(cmake/DraftliftConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/DraftliftConfig.cmake INSTALL_DESTINATION ${DRAFTLIFT_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/DraftliftConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/DraftliftConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/DraftliftConfigVersion.cmake
  DESTINATION ${DRAFTLIFT_CMAKE_DIR})

configure_file(cmake/draftlift.pc.in ${CMAKE_CURRENT_BINARY_DIR}/draftlift.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/draftlift.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
