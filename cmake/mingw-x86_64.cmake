# Cross toolchain: 64-bit Windows programs. The same sources as the 32-bit tree; this one runs
# under the 64-bit Wine loader, which works on machines that cannot execute 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
