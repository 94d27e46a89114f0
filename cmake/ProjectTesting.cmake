# Unit tests of both builds. Every GoogleTest case is its own CTest test; in the windows
# build the cases are listed and run through Wine (the emulator), after the harness started.
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  # Debian ships GoogleTest as sources; build them with the cross compiler.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  set(PROJECT_GTEST_LIBS GTest::gmock GTest::gtest)
else()
  find_package(GTest REQUIRED)
  set(PROJECT_GTEST_LIBS GTest::gmock GTest::gtest)
endif()

# project_test(NAME SOURCES... [LIBS libs...] [WINDOW])
# WINDOW marks tests that open real windows: they run one at a time, on the Xvfb display.
function(project_test name)
  cmake_parse_arguments(ARG "WINDOW" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  project_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_main ${PROJECT_GTEST_LIBS})
  set(props "")
  if(ARG_WINDOW)
    set(props RUN_SERIAL TRUE LABELS window)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${name}>
    PROPERTIES TIMEOUT 120 ${props})
endfunction()
