# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix thread model).
# The command-line programs are linked statically, so they need nothing but the system's own DLLs.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-shared.cmake)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
