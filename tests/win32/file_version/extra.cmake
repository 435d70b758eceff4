# The file-version reader against an independent one: a console program prints
# what CFileVersionInfo finds in Wine's system DLLs and in our own executables,
# and a script compares it with what pefile reads from the same files.
add_executable(file_version_dump ${CMAKE_CURRENT_LIST_DIR}/file_version_dump.cpp)
target_link_libraries(file_version_dump PRIVATE qn_options qn_tuner_core qn_platform_win32)

# Debian's interpreter, which has python3-pefile, ahead of any other on PATH.
find_program(QN_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(QN_SYSTEM_PYTHON python3)
add_test(NAME win32_file_version_pefile
         COMMAND ${QN_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/compare_with_pefile.py
                 --wine-exec ${CMAKE_CROSSCOMPILING_EMULATOR} --dump $<TARGET_FILE:file_version_dump>
                 --tree ${CMAKE_BINARY_DIR}
                 --system kernel32.dll user32.dll comctl32.dll version.dll shell32.dll
                 --built quillon.exe Dapplet.exe fixtures/pppmac-dun13.vxd fixtures/pppmac-old.vxd
                         $<TARGET_FILE_NAME:file_version_dump>)
set_tests_properties(win32_file_version_pefile PROPERTIES LABELS win32 TIMEOUT 120)
