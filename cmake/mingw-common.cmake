# Cross-build for Windows with mingw-w64; programs run under Wine on Linux. The architecture's
# toolchain file sets MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR, then includes this one.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The runtime goes into the exe, so it needs nothing but system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# wine-run.sh picks the loader and prefix from each program's PE header.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh")
