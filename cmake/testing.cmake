# Test helpers shared by every folder.
#   add_core_tests(<name> <sources...> LIBS <libs...>)  native GoogleTest executable
#   add_wine_tests(<name> <sources...> LIBS <libs...>)  GoogleTest executable run under Wine
#   add_wine_command_test(<name> COMMAND <args...>)    any command that needs the Wine prefix and X
set(TEST_TIMEOUT_CORE 60 CACHE STRING "Seconds a native test may take")
set(TEST_TIMEOUT_WINE 180 CACHE STRING "Seconds a Wine test may take")

# The native tree holds only the portable code and its tests. It is built with the address and
# undefined-behaviour sanitizers and the standard library's own checks, so that an index of -1
# or a read past a buffer fails a test instead of passing it by luck. A number too large for
# the integer it is turned into counts too, which GCC's undefined-behaviour checks leave out.
if(NOT WIN32)
  set(NATIVE_CHECKS -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_compile_options(${NATIVE_CHECKS} -D_GLIBCXX_ASSERTIONS)
  add_link_options(${NATIVE_CHECKS})
endif()

function(add_core_tests name)
  if(WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${TEST_TIMEOUT_CORE})
endfunction()

function(add_wine_command_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "COMMAND" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT ${TEST_TIMEOUT_WINE})
  endif()
  add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${T_COMMAND})
  # One at a time: the tests share one X screen, whose pointer, focus and stacking order any
  # of them may change, and screenshots must see their own windows only.
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} FIXTURES_REQUIRED wine
    ENVIRONMENT "WINE_TEST_ROOT=${CMAKE_BINARY_DIR}/wine;WINEARCH=${WINE_ARCH}" RESOURCE_LOCK x_screen)
endfunction()

function(add_wine_tests name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "TIMEOUT" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  set(extra)
  if(T_TIMEOUT)
    list(APPEND extra TIMEOUT ${T_TIMEOUT})
  endif()
  add_wine_command_test(${name} COMMAND $<TARGET_FILE:${name}> --gtest_brief=1 ${extra})
endfunction()

# A core/ folder: every .cpp beside this file makes the library <prefix>_core, every .cpp in
# tests/ goes into <prefix>_core_tests (native only).
function(add_core_folder prefix)
  cmake_parse_arguments(C "" "" "LIBS;TEST_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(${prefix}_core STATIC ${sources})
  target_include_directories(${prefix}_core PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${prefix}_core PUBLIC ${C_LIBS})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(tests)
    add_core_tests(${prefix}_core_tests ${tests} LIBS ${prefix}_core ${C_TEST_LIBS})
  endif()
endfunction()

# The fuzz targets of fuzz/: built in a tree of their own by clang with libFuzzer (the native
# compiler may be another), when there is such a clang, and run by CTest for a few seconds each
# from their seed corpus, in parallel with the other tests. A finding fails the test with the
# input that found it saved under fuzz/findings/ in the build tree.
set(FUZZ_SECONDS 4 CACHE STRING "Seconds each fuzz target runs in a test")
function(add_fuzz_targets)
  if(WIN32)
    return()
  endif()
  find_program(FUZZ_CLANG NAMES clang++ clang++-14)
  set(probe ${CMAKE_BINARY_DIR}/fuzz_probe.cpp)
  file(WRITE ${probe} "#include <cstddef>\n#include <cstdint>\nextern \"C\" int "
       "LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
  if(FUZZ_CLANG)
    execute_process(COMMAND ${FUZZ_CLANG} -fsanitize=fuzzer,address,undefined ${probe}
                    -o ${CMAKE_BINARY_DIR}/fuzz_probe RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
  endif()
  if(NOT FUZZ_CLANG OR failed)
    message(STATUS "Fuzz targets left out: no clang with libFuzzer")
    return()
  endif()
  include(ExternalProject)
  set(tree ${CMAKE_BINARY_DIR}/fuzz)
  ExternalProject_Add(fuzz_targets SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz BINARY_DIR ${tree}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${FUZZ_CLANG} -DCMAKE_BUILD_TYPE=RelWithDebInfo
               -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
    INSTALL_COMMAND "" BUILD_ALWAYS ON)
  file(MAKE_DIRECTORY ${tree}/findings)
  file(GLOB targets CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
  foreach(source ${targets})
    get_filename_component(name ${source} NAME_WE)
    add_test(NAME fuzz_${name} COMMAND ${tree}/${name} -max_total_time=${FUZZ_SECONDS}
      -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=${tree}/findings/${name}-
      ${tree}/corpus/${name} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
    set_tests_properties(fuzz_${name} PROPERTIES TIMEOUT ${TEST_TIMEOUT_CORE} LABELS fuzz)
  endforeach()
endfunction()
