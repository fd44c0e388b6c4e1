# SPDX-License-Identifier: MIT
# Debian's ppc64el: see debian-cross.cmake.
set(CROSS_TRIPLE powerpc64le-linux-gnu)
set(CROSS_PROCESSOR ppc64le)
set(CROSS_QEMU ppc64le)
set(CROSS_DEBIAN_ARCH ppc64el)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
