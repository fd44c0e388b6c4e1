# SPDX-License-Identifier: MIT
# Debian's i386: see debian-cross.cmake.
set(CROSS_TRIPLE i686-linux-gnu)
set(CROSS_PROCESSOR i686)
set(CROSS_QEMU i386)
set(CROSS_DEBIAN_ARCH i386)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
