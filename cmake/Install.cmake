# Installs the library with its public header, the outside components it is
# linked against here, a CMake package (Draftlift::Draftlift) and a pkg-config
# file.
include(CMakePackageConfigHelpers)

# With the stand-ins they are installed beside the library, which finds them
# there; the maker's own libraries are the host's to install.
set(DRAFTLIFT_INSTALLED Draftlift)
if(DRAFTLIFT_STAND_INS)
  list(APPEND DRAFTLIFT_INSTALLED MastercamHost KScene Orvanta WinMfc)
endif()
set_target_properties(${DRAFTLIFT_INSTALLED} PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS ${DRAFTLIFT_INSTALLED}
  EXPORT DraftliftTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES include/draftlift/draftlift.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/draftlift)

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
