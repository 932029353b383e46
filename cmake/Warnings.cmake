# Warnings by compiler, for this project's own code. The maker's compiler
# also reads the sources as UTF-8, and takes /EHs rather than /EHsc: C++
# exceptions pass through extern "C" functions (the create functions and the
# forwarders catch nothing), which /EHsc assumes never throw.
if(MSVC)
  string(REPLACE "/EHsc" "" CMAKE_CXX_FLAGS "${CMAKE_CXX_FLAGS}")
  add_compile_options(/W4 /permissive- /utf-8 $<$<COMPILE_LANGUAGE:CXX>:/EHs>)
  if(DRAFTLIFT_WERROR)
    add_compile_options(/WX)
  endif()
else()
  add_compile_options(-Wall -Wextra)
  if(DRAFTLIFT_WERROR)
    add_compile_options(-Werror)
  endif()
endif()
