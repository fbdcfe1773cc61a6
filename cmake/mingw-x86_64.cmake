# The same Windows code built for 64-bit Wine, which runs natively where the kernel cannot run
# 32-bit code (see scripts/enable-i386.sh). A test vehicle; not shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VEXO_MINGW_TRIPLE x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
