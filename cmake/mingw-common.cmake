# Shared by the MinGW-w64 toolchain files; VEXO_MINGW_TRIPLE names the target. The win32 thread
# model: the posix model pulls in winpthreads, which imports GetTickCount64 and so would not load
# on Windows XP.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VEXO_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${VEXO_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${VEXO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VEXO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh")
