# The same sources for 64-bit Windows: the tests' stand-in on hosts that run no 32-bit user code,
# where Wine starts only 64-bit programs. What ships stays i686.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake")
