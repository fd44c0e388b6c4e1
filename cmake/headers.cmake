# SPDX-License-Identifier: MIT
# A library's users see the headers of its own folder, and those of the libraries it links,
# and no others: each library's folder is reached through an include tree of its own that holds
# that folder alone (a link to it, at its place under the project), so that a header of a layer
# it must not use is not found at all.
#     publish_headers(TARGET)   in the CMakeLists.txt of the library's folder
function(publish_headers target)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()
