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
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# NSIS records each packed file's time. CPack writes some of the installer's own files (its
# options page) as it packs: they go without one. The program's files keep theirs, the
# release's (cmake/normalize-staging.cmake).
string(APPEND CPACK_NSIS_DEFINES "\n  SetDateSave off")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "Convertitore pixel cm per stampe")
set(CPACK_NSIS_PACKAGE_NAME "Convertitore pixel cm per stampe")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/convertitore-pixel-cm.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/assets/convertitore-pixel-cm.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\convertitore-pixel-cm.exe")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY bin)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_UNINSTALL_NAME "Disinstalla")
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})

# The installer names its files one by one, in this order: NSIS's own `File /r` takes them in
# the order the build machine's file system lists them, which differs from folder to folder.
# The staging check stops the package where the install rules and this list part.
set(CPACK_INSTALLER_FILES LICENSE.txt bin/convertitore-pixel-cm.exe)
# CPack writes the value into its configuration file as it stands, between quotes: the
# script's quotes, backslashes and ${INST_DIR} are escaped for that file.
set(CPACK_NSIS_FULL_INSTALL "SetDateSave on\n  ")
foreach(file IN LISTS CPACK_INSTALLER_FILES)
    get_filename_component(folder "/${file}" DIRECTORY)
    string(REGEX REPLACE "/$" "" folder "${folder}")
    string(REPLACE "/" [[\\]] folder "${folder}")
    string(REPLACE "/" [[\\]] file "${file}")
    string(APPEND CPACK_NSIS_FULL_INSTALL [[SetOutPath \"$INSTDIR]] "${folder}" [[\"]] "\n  "
        [[File \"\${INST_DIR}\\]] "${file}" [[\"]] "\n  ")
endforeach()
string(APPEND CPACK_NSIS_FULL_INSTALL [[SetOutPath \"$INSTDIR\"]] "\n  SetDateSave off")

set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/normalize-staging.cmake)

include(CPack)
