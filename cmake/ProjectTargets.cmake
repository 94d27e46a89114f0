# Helpers every folder uses to declare its tests, fuzz targets and benchmarks. Each one is
# made only in the build it belongs to, so a folder declares them all without conditions.
include(GoogleTest)

if(PROJECT_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "PROJECT_SANITIZE needs clang (libFuzzer)")
  endif()
  add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

set(PROJECT_WITH_TESTS ON)
if(PROJECT_BENCH)
  set(PROJECT_WITH_TESTS OFF)
  find_package(benchmark REQUIRED)
elseif(CMAKE_CROSSCOMPILING)
  # Debian ships GoogleTest as sources: build them with the cross compiler.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# project_test(NAME SOURCES... [LIBS libs...] [WINDOW] [SERIAL])
# WINDOW marks tests that open real windows: they run one at a time, on the harness display.
# SERIAL marks tests that share machine state (files of drive C:, the registry) with others
# of their executable.
function(project_test name)
  if(NOT PROJECT_WITH_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "WINDOW;SERIAL" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  project_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_main GTest::gmock GTest::gtest)
  set(props TIMEOUT 120)
  if(ARG_WINDOW)
    list(APPEND props RUN_SERIAL TRUE LABELS window)
  elseif(ARG_SERIAL)
    list(APPEND props RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${name}>
    PROPERTIES ${props})
endfunction()

# project_fuzz_target(NAME SOURCES... [LIBS libs...] [SECONDS n])
# Built in the sanitizer build only; CTest runs it for a short while on its seed corpus
# (the folder "corpus/NAME" beside the CMakeLists, when there is one).
function(project_fuzz_target name)
  if(NOT PROJECT_SANITIZE)
    return()
  endif()
  cmake_parse_arguments(ARG "" "SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 20)
  endif()
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  project_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}.corpus)
  set(seeds "")
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
    set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
  endif()
  file(MAKE_DIRECTORY ${work})
  add_test(NAME ${name}
           COMMAND ${name} -max_total_time=${ARG_SECONDS} -timeout=10 -rss_limit_mb=1024
                   -malloc_limit_mb=256 ${work} ${seeds})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()

# project_benchmark(NAME SOURCES... [LIBS libs...])
# Built in the benchmark build only; ./bench runs every one of them.
function(project_benchmark name)
  if(NOT PROJECT_BENCH)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  project_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  set_property(GLOBAL APPEND PROPERTY PROJECT_BENCHMARKS ${name})
endfunction()
