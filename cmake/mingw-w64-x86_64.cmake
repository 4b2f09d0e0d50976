# Cross-compiling for 64-bit Windows on Debian with its MinGW-w64 compiler (the posix thread
# model, so std::thread and std::mutex work) against the libraries that
# scripts/setup-windows-toolchain.sh builds into one prefix.
#
# The prefix is $CANDLEWATCHER_WINDOWS_TOOLCHAIN, else the same cache folder as the script's.
# Qt's own tools (moc, rcc, uic) are the host's: configure with -DQT_HOST_PATH=/usr.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_cw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_cw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_cw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_cw_triple}-windres)

if(DEFINED ENV{CANDLEWATCHER_WINDOWS_TOOLCHAIN} AND NOT "$ENV{CANDLEWATCHER_WINDOWS_TOOLCHAIN}" STREQUAL "")
    set(CANDLEWATCHER_WINDOWS_PREFIX "$ENV{CANDLEWATCHER_WINDOWS_TOOLCHAIN}")
elseif(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(CANDLEWATCHER_WINDOWS_PREFIX "$ENV{XDG_CACHE_HOME}/candlewatcher/windows-toolchain")
else()
    set(CANDLEWATCHER_WINDOWS_PREFIX "$ENV{HOME}/.cache/candlewatcher/windows-toolchain")
endif()

# Libraries, headers and CMake packages come from the prefix and the MinGW runtime only, never
# from the host; programs (perl, python, the host's Qt tools) come from the host.
list(APPEND CMAKE_FIND_ROOT_PATH "${CANDLEWATCHER_WINDOWS_PREFIX}" /usr/${_cw_triple})
list(APPEND CMAKE_PREFIX_PATH "${CANDLEWATCHER_WINDOWS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config, where a project asks for it, sees the prefix's .pc files and nothing of the host.
set(ENV{PKG_CONFIG_LIBDIR} "${CANDLEWATCHER_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Tests and other cross-built programs CMake runs go through Wine, with the prefix's bin (Qt,
# the libraries, the MinGW runtime) on the Windows PATH; Qt finds its plug-ins from there.
# WINEPREFIX and WINEDEBUG come from the environment (the windows test preset sets them).
find_program(CANDLEWATCHER_WINE wine)
if(CANDLEWATCHER_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR env "WINEPATH=Z:${CANDLEWATCHER_WINDOWS_PREFIX}/bin"
        "${CANDLEWATCHER_WINE}")
endif()
