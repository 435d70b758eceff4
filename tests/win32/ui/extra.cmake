# The picture box tests show the tuner's reminder picture as a resource of
# their own.
if(TARGET win32_ui)
  target_sources(win32_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ui_test.rc)
  target_include_directories(win32_ui PRIVATE ${PROJECT_SOURCE_DIR})
  set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/ui_test.rc APPEND PROPERTY OBJECT_DEPENDS
               ${PROJECT_SOURCE_DIR}/resources/hosts_reminder.bmp)
endif()
