# The import window runs on the native tests' in-memory machine, read from the
# registry fixtures of the source tree.
if(TARGET win32_tuner_import)
  target_compile_definitions(win32_tuner_import PRIVATE QN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endif()
