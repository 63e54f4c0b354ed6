# Settings of a cross tree: static Windows programs, with resources. Two trees are built from
# the same sources: i686 (what ships) and x86_64 (what runs where 32-bit code cannot).
enable_language(RC)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600 STRICT)
# A pointer or handle squeezed into 32 bits fails the build (C++ already refuses the
# pointer-to-int cast itself).
add_compile_options(-Werror=int-to-pointer-cast $<$<COMPILE_LANGUAGE:C>:-Werror=pointer-to-int-cast>)
add_link_options(-static -static-libgcc -static-libstdc++)
set(THIRD_PARTY_ARCH_DIR ${THIRD_PARTY_DIR}/${CMAKE_SYSTEM_PROCESSOR})
# The Wine prefix of a tree must match its programs: a 64-bit one runs under the 64-bit loader.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(WINE_ARCH win64)
else()
  set(WINE_ARCH win32)
endif()
set(DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "The program folder")
file(MAKE_DIRECTORY ${DIST_DIR})

# libjpeg, cross-built by set-up from Debian's source package.
add_library(jpeg STATIC IMPORTED GLOBAL)
set_target_properties(jpeg PROPERTIES IMPORTED_LOCATION ${THIRD_PARTY_ARCH_DIR}/libjpeg/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${THIRD_PARTY_ARCH_DIR}/libjpeg/include)

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
