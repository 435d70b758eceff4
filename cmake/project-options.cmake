# Compiler options shared by every target of the project.
add_library(qn_options INTERFACE)
target_compile_options(qn_options INTERFACE -Wall -Wextra)
target_include_directories(qn_options INTERFACE ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)

if(QN_SANITIZE)
  # -g1: line tables are all that the sanitizers' reports need, and full debug
  # information costs this tree a sixth more compile time (the native tree
  # keeps it for the debugger).
  target_compile_options(qn_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                              -fno-sanitize-recover=all -g1)
  target_link_options(qn_options INTERFACE -fsanitize=address,undefined)
endif()

if(QN_FUZZ)
  # libFuzzer's coverage in every library; only the fuzzers link its runtime.
  target_compile_options(qn_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

if(WIN32)
  enable_language(RC)
  # Windows 95 era headers and the ANSI API: an API that old Windows lacks is
  # never linked directly (see platform/win32/optional_api.*).
  target_compile_definitions(qn_options INTERFACE _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0500
                                                 NOMINMAX WIN32_LEAN_AND_MEAN)
  target_link_options(qn_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# qn_library(<name> DIRS <dir>... [LIBS <lib>...])
# A static library made of every .cpp in the given folders, so that adding a
# file to a layer needs no edit here.
function(qn_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;LIBS" ${ARGN})
  set(sources "")
  foreach(dir ${ARG_DIRS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC qn_options ${ARG_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE qn_options ${ARG_LIBS})
  endif()
  # Test programs link every library of their tier (see tests/*/CMakeLists.txt).
  if(name MATCHES "_win32$")
    set_property(GLOBAL APPEND PROPERTY QN_WIN32_LIBS ${name})
  else()
    set_property(GLOBAL APPEND PROPERTY QN_PORTABLE_LIBS ${name})
  endif()
endfunction()

# Adds each listed subfolder that has a CMakeLists.txt.
macro(qn_add_subdirs)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endmacro()
