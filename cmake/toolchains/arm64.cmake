# SPDX-License-Identifier: MIT
# Debian's arm64: see debian-cross.cmake.
set(CROSS_TRIPLE aarch64-linux-gnu)
set(CROSS_PROCESSOR aarch64)
set(CROSS_QEMU aarch64)
set(CROSS_DEBIAN_ARCH arm64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
