# Open CASCADE's headers and the shared libraries of the toolkits the STEP
# bridge uses, found one by one: its CMake package names every toolkit with
# their dependencies' development files (TBB among them), which these do not
# need. Only shared libraries: Open CASCADE is LGPL-2.1 with its exception,
# linked dynamically. Sets DRAFTLIFT_OCCT_FOUND, DRAFTLIFT_OCCT_INCLUDE_DIR
# and DRAFTLIFT_OCCT_LIBRARIES.
set(DRAFTLIFT_OCCT_TOOLKITS
  TKXDESTEP TKSTEP TKSTEPAttr TKSTEPBase TKXSBase TKXCAF TKLCAF TKCDF
  TKTopAlgo TKBRep TKG3d TKMath TKernel)
find_path(DRAFTLIFT_OCCT_INCLUDE_DIR Standard_Version.hxx PATH_SUFFIXES opencascade)
set(DRAFTLIFT_OCCT_FOUND FALSE)
set(DRAFTLIFT_OCCT_LIBRARIES "")
if(DRAFTLIFT_OCCT_INCLUDE_DIR)
  set(DRAFTLIFT_OCCT_FOUND TRUE)
  foreach(toolkit IN LISTS DRAFTLIFT_OCCT_TOOLKITS)
    # The shared library itself, not a static archive of the same name.
    find_library(DRAFTLIFT_OCCT_${toolkit} NAMES ${CMAKE_SHARED_LIBRARY_PREFIX}${toolkit}${CMAKE_SHARED_LIBRARY_SUFFIX} ${toolkit})
    if(DRAFTLIFT_OCCT_${toolkit})
      list(APPEND DRAFTLIFT_OCCT_LIBRARIES ${DRAFTLIFT_OCCT_${toolkit}})
    else()
      set(DRAFTLIFT_OCCT_FOUND FALSE)
    endif()
  endforeach()
endif()
