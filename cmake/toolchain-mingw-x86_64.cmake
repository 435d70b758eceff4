# 64-bit Windows build of the same sources. Used only to run the Wine test
# tiers on hosts whose CPU mode cannot execute 32-bit code (wine32 fails there).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
