# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler
# (g++-mingw-w64-x86-64-posix: the POSIX thread model, which std::thread
# and GoogleTest need).
#
#   cmake -S . -B build-windows -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DTAKETA_BUILD_GUI=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAKETA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAKETA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAKETA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TAKETA_MINGW_TRIPLET}-windres)

# Headers, libraries and CMake packages come from the MinGW tree only, so
# nothing found for the Linux build (under /usr/include, /usr/lib) ends up in
# this one; programs (the build tools) come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TAKETA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The same for pkg-config: only .pc files of the MinGW tree.
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_LIBDIR} "/usr/${TAKETA_MINGW_TRIPLET}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "/")

# The C and C++ runtimes and winpthread linked in, so that a program needs
# no DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
