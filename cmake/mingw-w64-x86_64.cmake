# Cross build of the Windows program on Linux with Debian's mingw-w64 (POSIX thread variant):
#   apt-get install g++-mingw-w64-x86-64-posix
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KOLVARD_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KOLVARD_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KOLVARD_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KOLVARD_MINGW_PREFIX}-windres)

# Libraries and headers come from the mingw-w64 sysroot only, never from the Linux system.
set(CMAKE_FIND_ROOT_PATH /usr/${KOLVARD_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config must not hand over the Linux system's libraries (libqpdf, libpng).
set(ENV{PKG_CONFIG_LIBDIR} /usr/${KOLVARD_MINGW_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# One kolvard.exe that needs no DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Without its symbols the program is two fifths smaller.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
