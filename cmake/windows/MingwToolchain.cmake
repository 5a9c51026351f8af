# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads, so that
# std::thread and std::mutex are available to JUCE).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VIZEVA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${VIZEVA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VIZEVA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VIZEVA_MINGW_TRIPLE}-windres)
set(CMAKE_AR           ${VIZEVA_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB       ${VIZEVA_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${VIZEVA_MINGW_TRIPLE})
# The static image libraries built by scripts/mingw-image-libs.sh live outside
# the system root; their prefix is passed as VIZEVA_MINGW_PREFIX.
if(VIZEVA_MINGW_PREFIX)
    list(APPEND CMAKE_FIND_ROOT_PATH ${VIZEVA_MINGW_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)


# Everything links statically, so that the module and the test programs import
# only Windows system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
