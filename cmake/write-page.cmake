# SPDX-License-Identifier: MIT
# Writes the page and its style sheet with the window drawn in them, from what page-markup
# prints of the layout table, each part in the place named after it (@TITLE@, @WINDOW@,
# @PLACES@, @PHONE_SCREEN@):
#     cmake -DRUN="EMULATOR;page-markup.js" -DPAGE=SOURCES -DSITE=FOLDER -P write-page.cmake
foreach(part title window places phone-screen)
    execute_process(COMMAND ${RUN} ${part} OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE "\n$" "" text "${text}")
    string(TOUPPER "${part}" name)
    string(REPLACE "-" "_" name "${name}")
    set(${name} "${text}")
endforeach()
configure_file(${PAGE}/index.html.in ${SITE}/index.html @ONLY)
configure_file(${PAGE}/style.css.in ${SITE}/style.css @ONLY)
