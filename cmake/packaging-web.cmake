# SPDX-License-Identifier: MIT
# The web folder, build/web/site: the page with the window drawn in it, its style and scripts,
# the service worker that keeps it working offline, the web manifest and the icons, beside the
# module the program builds; the scripts minified, and beside each text and the module its
# compressed copies (.gz, .br) for a host that serves them. Any static web host serves the
# folder as it is.
set(SITE ${PROJECT_BINARY_DIR}/site)
set(PAGE ${PROJECT_SOURCE_DIR}/platform/web/page)
# A new version names a new cache: the service worker then replaces every old file. Every
# cache of the program's own begins with this.
set(CACHE_PREFIX "convertitore-pixel-cm-")
add_custom_command(OUTPUT ${SITE}/index.html ${SITE}/style.css
    COMMAND ${CMAKE_COMMAND} "-DRUN=${CMAKE_CROSSCOMPILING_EMULATOR}$<SEMICOLON>$<TARGET_FILE:page-markup>"
        -DPAGE=${PAGE} -DSITE=${SITE} -P ${CMAKE_CURRENT_LIST_DIR}/write-page.cmake
    DEPENDS page-markup ${PAGE}/index.html.in ${PAGE}/style.css.in
        ${CMAKE_CURRENT_LIST_DIR}/write-page.cmake
    COMMENT "Drawing the window into the page" VERBATIM)
# Debian's terser: the scripts' names shortened and their comments and spaces left out. The
# module's glue, which Emscripten writes with short spaces but long names, gets the same.
find_program(TERSER_PROGRAM terser REQUIRED)
# Its modules are where Debian puts them, whichever Node runs it.
set(TERSER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs ${TERSER_PROGRAM})
# The page's three scripts are one file, one request: each keeps to a scope of its own.
set(page_scripts ${PAGE}/layout.js ${PAGE}/combobox.js ${PAGE}/page.js)
add_custom_command(OUTPUT ${SITE}/page.js
    COMMAND ${TERSER} ${page_scripts} --compress --mangle --output ${SITE}/page.js
    DEPENDS ${page_scripts})
add_custom_command(OUTPUT ${SITE}/sw.js
    COMMAND ${TERSER} ${PROJECT_BINARY_DIR}/page/sw.js --compress --mangle --output ${SITE}/sw.js
    DEPENDS ${PROJECT_BINARY_DIR}/page/sw.js)
set(site_files ${SITE}/index.html ${SITE}/style.css ${SITE}/page.js ${SITE}/sw.js)
set(MODULE ${PROJECT_BINARY_DIR}/module/convertitore-pixel-cm)
add_custom_command(OUTPUT ${SITE}/convertitore-pixel-cm.js ${SITE}/convertitore-pixel-cm.wasm
    COMMAND ${TERSER} ${MODULE}.js --compress --mangle --output ${SITE}/convertitore-pixel-cm.js
    COMMAND ${CMAKE_COMMAND} -E copy ${MODULE}.wasm ${SITE}/convertitore-pixel-cm.wasm
    DEPENDS convertitore-pixel-cm)
list(APPEND site_files ${SITE}/convertitore-pixel-cm.js ${SITE}/convertitore-pixel-cm.wasm)
configure_file(${PAGE}/sw.js.in ${PROJECT_BINARY_DIR}/page/sw.js @ONLY)
configure_file(${PAGE}/manifest.webmanifest.in ${SITE}/manifest.webmanifest @ONLY)
foreach(size 48 128 256)
    configure_file(${PROJECT_SOURCE_DIR}/assets/icons/${size}.png ${SITE}/icons/${size}.png COPYONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/assets/icon.svg ${SITE}/icons/icon.svg COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/assets/icons/maskable-512.png ${SITE}/icons/maskable-512.png
    COPYONLY)
# What the browser's install dialog shows: the page at a desktop's width and on a phone.
configure_file(${PROJECT_SOURCE_DIR}/docs/web-desktop.png ${SITE}/screenshots/wide.png COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/docs/web-phone.png ${SITE}/screenshots/narrow.png COPYONLY)

# The compressed copies, once every file is written: gzip's without a name or time in it, and
# Brotli's at its best.
find_program(BROTLI brotli REQUIRED)
set(compressed_files ${site_files} ${SITE}/manifest.webmanifest ${SITE}/icons/icon.svg)
set(copies)
foreach(file ${compressed_files})
    add_custom_command(OUTPUT ${file}.gz ${file}.br
        COMMAND gzip -9 -n -k -f ${file}
        COMMAND ${BROTLI} -q 11 -k -f ${file}
        DEPENDS ${file})
    list(APPEND copies ${file}.gz ${file}.br)
endforeach()
# The whole folder: what scripts/run.sh web builds and serves.
add_custom_target(site ALL DEPENDS ${site_files} ${copies})
