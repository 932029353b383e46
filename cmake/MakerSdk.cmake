# A build against the maker's SDK instead of our stand-ins. The SDK's headers
# replace host/: they are laid out as host/ is (host/Mastercam.h,
# host/kscene/KScene.h, ...) and come before our own on the include path, so
# that the library compiles against the maker's declarations alone. MFC comes
# with the maker's compiler, the import libraries with the SDK.
set(DRAFTLIFT_SDK_INCLUDE_DIR "" CACHE PATH
    "The maker's SDK headers, in the layout of host/ (host/Mastercam.h, host/kscene/KScene.h, host/Orvanta.h)")
set(DRAFTLIFT_SDK_LIBRARY_DIR "" CACHE PATH
    "The maker's SDK import libraries: MastercamHost, KScene and Orvanta")

set(draftlift_sdk_headers host/Mastercam.h host/KExtBase.h host/Orvanta.h host/kscene/KScene.h
    host/kscene/KMBD.h host/kscene/KCapturedView.h host/kscene/KObjectTree.h host/kscene/KCloud.h)
set(draftlift_sdk_missing "")
foreach(header ${draftlift_sdk_headers})
  if(NOT DRAFTLIFT_SDK_INCLUDE_DIR OR NOT EXISTS "${DRAFTLIFT_SDK_INCLUDE_DIR}/${header}")
    list(APPEND draftlift_sdk_missing "${header}")
  endif()
endforeach()
if(draftlift_sdk_missing)
  list(JOIN draftlift_sdk_missing ", " missing)
  message(FATAL_ERROR "DRAFTLIFT_STAND_INS=OFF builds against the maker's SDK: set DRAFTLIFT_SDK_INCLUDE_DIR "
    "to the folder holding its headers in the layout of host/ (missing there: ${missing}) and "
    "DRAFTLIFT_SDK_LIBRARY_DIR to the folder holding its import libraries (MastercamHost, KScene, Orvanta).")
endif()

foreach(component MastercamHost KScene Orvanta)
  find_library(DRAFTLIFT_SDK_${component}_LIBRARY NAMES ${component}
               PATHS "${DRAFTLIFT_SDK_LIBRARY_DIR}" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT DRAFTLIFT_SDK_${component}_LIBRARY)
    message(FATAL_ERROR "DRAFTLIFT_STAND_INS=OFF builds against the maker's SDK: no import library "
      "${component} in DRAFTLIFT_SDK_LIBRARY_DIR (\"${DRAFTLIFT_SDK_LIBRARY_DIR}\").")
  endif()
  add_library(${component} UNKNOWN IMPORTED)
  # Not a system folder: it must come before our own host/, not after it.
  set_target_properties(${component} PROPERTIES
    IMPORTED_LOCATION "${DRAFTLIFT_SDK_${component}_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${DRAFTLIFT_SDK_INCLUDE_DIR}"
    IMPORTED_NO_SYSTEM TRUE)
endforeach()

# MFC in its shared form, as an extension library uses it.
add_library(WinMfc INTERFACE)
target_compile_definitions(WinMfc INTERFACE _AFXDLL _AFXEXT)
set(CMAKE_MFC_FLAG 2)
add_compile_definitions(DRAFTLIFT_VENDOR_LIBRARIES)
