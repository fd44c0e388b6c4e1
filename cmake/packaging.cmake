# SPDX-License-Identifier: MIT
# `cpack -G DEB` in a build folder makes the Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${MAINTAINER})
set(CPACK_PACKAGE_VENDOR "Convertitore Pixel Cm developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print size and pixel size calculator for photographers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Cross-built for another architecture: its package, whose libraries dpkg-shlibdeps finds when
# cpack runs with DEB_HOST_ARCH set to it.
if(CROSS_DEBIAN_ARCH)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${CROSS_DEBIAN_ARCH})
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack puts the summary on the first line, and a space before each line, itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A small desktop utility, in Italian, for photographers who prepare prints.
It tells how many pixels an image needs to print at a given size in
centimetres and resolution, and how large an image of a given pixel size
prints. Numbers follow the user's regional settings.")

set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/normalize-staging.cmake)

include(CPack)
