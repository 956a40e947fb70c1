# Shared part of the MinGW-w64 toolchain files: the toolchain file sets
# CMAKE_SYSTEM_PROCESSOR and FLASHDIAG_MINGW_TRIPLET, then includes this.
# Tests run under Wine: tools/wine-run.sh reads each program's machine type
# and picks Wine's 32-bit or 64-bit loader and a prefix of that kind.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${FLASHDIAG_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FLASHDIAG_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${FLASHDIAG_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${FLASHDIAG_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# ctest runs every test executable through the Wine runner, with a private
# prefix inside the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix")
