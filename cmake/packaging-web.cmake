# SPDX-License-Identifier: MIT
# The web folder, build/web/site: the page, its style and script, the service worker that keeps
# it working offline, the web manifest and the icons, beside the module the program builds.
# Any static web host serves it as it is.
set(SITE ${PROJECT_BINARY_DIR}/site)
set(PAGE ${PROJECT_SOURCE_DIR}/platform/web/page)
# A new version names a new cache: the service worker then replaces every old file. Every
# cache of the program's own begins with this.
set(CACHE_PREFIX "convertitore-pixel-cm-")
foreach(file index.html style.css layout.js combobox.js page.js)
    configure_file(${PAGE}/${file} ${SITE}/${file} COPYONLY)
endforeach()
configure_file(${PAGE}/sw.js.in ${SITE}/sw.js @ONLY)
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
