# Cross build for 64-bit Windows with MinGW-w64 (posix threads, for std::thread and GoogleTest).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KEROVIA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KEROVIA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KEROVIA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KEROVIA_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KEROVIA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Everything static: Kerovia.exe and addfile.exe need no DLL beyond Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
