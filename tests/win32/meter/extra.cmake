# The main window's test makes loopback traffic through the end-to-end
# driver's helper.
if(TARGET win32_meter)
  target_link_libraries(win32_meter PRIVATE qn_e2e_driver)
endif()
