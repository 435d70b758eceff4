# GoogleTest: Debian's package on the host, built from its sources for Windows.
enable_testing()
include(GoogleTest)
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(t gtest gtest_main gmock gmock_main)
    target_compile_options(${t} PRIVATE -w)
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()

# qn_add_gtest(<target> SOURCES ... LIBS ... [LABELS ...])
# A GoogleTest program whose tests ctest lists one by one. On Windows builds the
# listing runs under Wine when ctest starts, so configuring needs no prefix.
function(qn_add_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE qn_options ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  if(WIN32)
    # Console subsystem: test output goes to the terminal.
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES LABELS "${ARG_LABELS}")
  else()
    gtest_discover_tests(${target} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
