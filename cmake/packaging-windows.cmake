# SPDX-License-Identifier: MIT
# `cpack` in the Windows build folder makes a portable ZIP and an NSIS installer that puts the
# program under Program Files, with a Start menu entry and an uninstaller.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_NAME ${PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Convertitore Pixel Cm developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Convertitore pixel cm per stampe")
set(CPACK_PACKAGE_FILE_NAME ${PACKAGE_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Convertitore pixel cm")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "ConvertitorePixelCm")
set(CPACK_PACKAGE_EXECUTABLES convertitore-pixel-cm "Convertitore pixel cm per stampe")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

# A 64-bit installer for a 64-bit program (Windows on x86-64 runs either; Wine64 only this).
# The installer is our own script, cmake/NSIS.template.in, which CPack fills in, and the parts
# it includes from cmake/nsis.
list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
set(CPACK_NSIS_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/nsis)
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_DISPLAY_NAME "Convertitore pixel cm per stampe")
set(CPACK_NSIS_PACKAGE_NAME "Convertitore pixel cm per stampe")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/convertitore-pixel-cm.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/assets/convertitore-pixel-cm.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\convertitore-pixel-cm.exe")
set(CPACK_NSIS_UNINSTALL_NAME "Disinstalla")
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_SIGN_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/lib/sign.sh)

# The installer names its files one by one, in this order, and the uninstaller removes just
# those: NSIS's own `File /r` takes them in the order the build machine's file system lists
# them, which differs from folder to folder. The staging check stops the package where the
# install rules and this list part.
set(CPACK_INSTALLER_FILES LICENSE.txt bin/convertitore-pixel-cm.exe)
# CPack writes the values into its configuration file as they stand, between quotes: the
# script's quotes, backslashes and ${INST_DIR} are escaped for that file.
set(CPACK_NSIS_FULL_INSTALL "")
set(CPACK_NSIS_REMOVE_FILES "")
set(folders "")
foreach(file IN LISTS CPACK_INSTALLER_FILES)
    get_filename_component(folder "/${file}" DIRECTORY)
    string(REGEX REPLACE "/$" "" folder "${folder}")
    string(REPLACE "/" [[\\]] folder "${folder}")
    string(REPLACE "/" [[\\]] file "${file}")
    string(APPEND CPACK_NSIS_FULL_INSTALL [[SetOutPath \"$INSTDIR]] "${folder}" [[\"]] "\n  "
        [[File \"\${INST_DIR}\\]] "${file}" [[\"]] "\n  ")
    string(APPEND CPACK_NSIS_REMOVE_FILES [[Delete \"$INSTDIR\\]] "${file}" [[\"]] "\n  ")
    if(folder AND NOT folder IN_LIST folders)
        list(PREPEND folders "${folder}")
    endif()
endforeach()
string(APPEND CPACK_NSIS_FULL_INSTALL [[SetOutPath \"$INSTDIR\"]])
foreach(folder IN LISTS folders)
    string(APPEND CPACK_NSIS_REMOVE_FILES [[RMDir \"$INSTDIR]] "${folder}" [[\"]] "\n  ")
endforeach()

set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/normalize-staging.cmake)

include(CPack)
