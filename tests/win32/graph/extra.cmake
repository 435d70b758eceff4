# The graph tests load the meter's CLOUDS bitmap as a resource of their own
# and compare it with the same file decoded natively.
if(TARGET win32_graph)
  target_sources(win32_graph PRIVATE ${CMAKE_CURRENT_LIST_DIR}/graph_test.rc)
  target_include_directories(win32_graph PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(win32_graph PRIVATE QN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/graph_test.rc APPEND PROPERTY OBJECT_DEPENDS
               ${PROJECT_SOURCE_DIR}/resources/clouds.bmp)
endif()
