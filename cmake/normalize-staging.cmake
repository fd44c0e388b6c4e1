# SPDX-License-Identifier: MIT
# Run by CPack on the staged files before it packs them: the same modes whatever the umask, and,
# where SOURCE_DATE_EPOCH is set, the same times however late the files were built, so that
# what is packed depends on the sources alone.
# A release being signed (scripts/release.sh --sign): each program is signed as it is staged,
# stripped, before the installer takes it in.
if(DEFINED ENV{SIGN_CERTIFICATE} AND CPACK_GENERATOR STREQUAL "NSIS")
    file(GLOB_RECURSE programs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.exe)
    execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/sign.sh ${programs}
        COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND chmod -R u=rwX,go=rX ${CPACK_TEMPORARY_INSTALL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND find ${CPACK_TEMPORARY_INSTALL_DIRECTORY} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
        COMMAND_ERROR_IS_FATAL ANY)
endif()

# The installer lists its files itself (cmake/packaging-windows.cmake): they must be exactly
# what the install rules staged.
if(CPACK_GENERATOR STREQUAL "NSIS")
    file(GLOB_RECURSE staged RELATIVE ${CPACK_TEMPORARY_INSTALL_DIRECTORY} ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*)
    list(SORT staged)
    set(listed ${CPACK_INSTALLER_FILES})
    list(SORT listed)
    if(NOT staged STREQUAL listed)
        message(FATAL_ERROR "The installer lists ${listed}, but the install rules stage ${staged}")
    endif()
endif()
