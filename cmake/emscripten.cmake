# SPDX-License-Identifier: MIT
# Builds for the browser with Debian's Emscripten, and runs what it builds, the tests included,
# under Node.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/node-run.sh
    CACHE FILEPATH "Runs a program built for the browser under Node" FORCE)
