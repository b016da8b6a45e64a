# Cross toolchain: 32-bit Windows (PE i686) with mingw-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TOOLCHAIN_PREFIX i686-w64-mingw32)
# The win32 thread model: the program needs no threading library.
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# SSE2 arithmetic so that floating-point results match the host build bit for bit
# (the default x87 unit keeps excess precision).
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -ffunction-sections -fdata-sections")
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -ffunction-sections -fdata-sections")
# Static runtime: the program needs no DLL beyond the system's.
# DEP and ASLR on; a relocatable image needs its base relocations kept.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--nxcompat -Wl,--dynamicbase -Wl,--enable-reloc-section")

# Programs built here run under wine (tests and the cross-check of the tone renderer).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
