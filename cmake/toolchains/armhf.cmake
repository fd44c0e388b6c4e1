# SPDX-License-Identifier: MIT
# Debian's armhf: see debian-cross.cmake.
set(CROSS_TRIPLE arm-linux-gnueabihf)
set(CROSS_PROCESSOR armv7l)
set(CROSS_QEMU arm)
set(CROSS_DEBIAN_ARCH armhf)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
