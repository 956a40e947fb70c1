# Cross build for 64-bit Windows with MinGW-w64: the same window and console
# runner as the i686 build, from the same sources.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(FLASHDIAG_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
