# SPDX-License-Identifier: MIT
# Debian's s390x: see debian-cross.cmake.
set(CROSS_TRIPLE s390x-linux-gnu)
set(CROSS_PROCESSOR s390x)
set(CROSS_QEMU s390x)
set(CROSS_DEBIAN_ARCH s390x)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
