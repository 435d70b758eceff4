# Test code in the Windows trees, whose Release build is the shipped one, is
# compiled at -Og: as fast to compile as -O0 (-O3 takes about 1.6 times as
# long, -O1 1.3 times) with objects a third the size of -O0's. The code under
# test keeps the tree's options.
set(QN_TEST_OPTIMIZATION $<$<CONFIG:Release>:-Og>)

# GoogleTest: Debian's package on the host, built from its sources for Windows.
enable_testing()
include(GoogleTest)
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(t gtest gtest_main gmock gmock_main)
    target_compile_options(${t} PRIVATE -w ${QN_TEST_OPTIMIZATION})
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()

# Compile options of test programs and their helper libraries.
add_library(qn_test_options INTERFACE)
target_link_libraries(qn_test_options INTERFACE qn_options)
target_compile_options(qn_test_options INTERFACE ${QN_TEST_OPTIMIZATION})

# GoogleTest's and gmock's headers, precompiled once per tree and reused by
# every test program (they are most of what a test file parses). Reuse needs
# the same compile options, which qn_test_options gives all of them.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/test_pch.cpp
     CONTENT "// Builds the tests' precompiled header; no code of its own.\n")
add_library(qn_test_pch OBJECT ${CMAKE_BINARY_DIR}/generated/test_pch.cpp)
target_link_libraries(qn_test_pch PRIVATE qn_test_options GTest::gtest_main GTest::gmock)
target_precompile_headers(qn_test_pch PRIVATE <gtest/gtest.h> <gmock/gmock.h>)

# qn_add_gtest(<target> SOURCES ... LIBS ... [LABELS ...])
# A GoogleTest program whose tests ctest lists one by one. On Windows builds the
# listing runs under Wine when ctest starts, so configuring needs no prefix.
function(qn_add_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE qn_test_options ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  target_precompile_headers(${target} REUSE_FROM qn_test_pch)
  if(WIN32)
    # Console subsystem: test output goes to the terminal.
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES LABELS "${ARG_LABELS}")
  else()
    gtest_discover_tests(${target} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
