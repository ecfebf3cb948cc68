# Cross-compiles for 64-bit Windows with Debian's MinGW-w64. Qt needs the posix thread model.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OREBELL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${OREBELL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OREBELL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${OREBELL_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${OREBELL_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${OREBELL_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and packages come from MinGW's own root and from the Windows kit (CMAKE_PREFIX_PATH),
# never from the Linux host; programs (moc, rcc) come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${OREBELL_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
