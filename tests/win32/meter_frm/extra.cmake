# The meter window test draws the built-in looks, two of which paint the
# CLOUDS and RIVER bitmaps from the program's resources (and saves a
# screenshot of each through the end-to-end driver, which every Wine test links).
if(TARGET win32_meter_frm)
  target_sources(win32_meter_frm PRIVATE ${CMAKE_CURRENT_LIST_DIR}/meter_frm_test.rc)
  target_include_directories(win32_meter_frm PRIVATE ${PROJECT_SOURCE_DIR})
  set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/meter_frm_test.rc APPEND PROPERTY OBJECT_DEPENDS
               ${PROJECT_SOURCE_DIR}/resources/clouds.bmp ${PROJECT_SOURCE_DIR}/resources/river.bmp)
endif()
