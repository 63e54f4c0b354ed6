# Settings of the cross tree: static 32-bit Windows programs, with resources.
enable_language(RC)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600 STRICT)
add_link_options(-static -static-libgcc -static-libstdc++)
set(DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "The program folder")
file(MAKE_DIRECTORY ${DIST_DIR})

# libjpeg, cross-built by set-up from Debian's source package.
add_library(jpeg STATIC IMPORTED GLOBAL)
set_target_properties(jpeg PROPERTIES IMPORTED_LOCATION ${THIRD_PARTY_DIR}/libjpeg/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${THIRD_PARTY_DIR}/libjpeg/include)

# A program that goes into the program folder.
function(add_dist_program name)
  cmake_parse_arguments(P "CONSOLE" "OUTPUT_NAME" "" ${ARGN})
  if(P_CONSOLE)
    add_executable(${name} ${P_UNPARSED_ARGUMENTS})
  else()
    add_executable(${name} WIN32 ${P_UNPARSED_ARGUMENTS})
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DIST_DIR})
  if(P_OUTPUT_NAME)
    set_target_properties(${name} PROPERTIES OUTPUT_NAME ${P_OUTPUT_NAME} SUFFIX "")
  endif()
endfunction()
