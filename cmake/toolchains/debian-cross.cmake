# SPDX-License-Identifier: MIT
# Cross-builds for another Debian architecture with Debian's cross compiler for its GNU triple,
# and runs what it builds, the tests included, under qemu-user with that architecture's
# libraries. Included by a file per architecture that sets CROSS_TRIPLE, CROSS_PROCESSOR and
# CROSS_QEMU, and CROSS_DEBIAN_ARCH, the architecture its packages are made for.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${CROSS_PROCESSOR})
set(CMAKE_CXX_COMPILER ${CROSS_TRIPLE}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${CROSS_TRIPLE})
# The cross compiler's own libraries, and Debian's multiarch ones (qt6-base-dev:arm64, say) in
# /usr/lib/<triple> of this system, with Qt's build tools from the host (qt6-base-dev-tools).
set(CMAKE_FIND_ROOT_PATH /usr/${CROSS_TRIPLE} /)
set(QT_HOST_PATH /usr)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${CROSS_QEMU} -L /usr/${CROSS_TRIPLE})
