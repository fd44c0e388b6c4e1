# SPDX-License-Identifier: MIT
# Hardened as Debian hardens its packages, with what the compiler has for the target: the stack
# protector everywhere; stack clash protection, control-flow protection (x86) or branch
# protection (arm64), and read-only relocations bound at start on Linux. MinGW-w64 offers the
# stack protector alone, Emscripten none of them.
include(CheckCXXCompilerFlag)

if(EMSCRIPTEN)
    return()
endif()
add_compile_options(-fstack-protector-strong)
if(WIN32)
    add_link_options(-fstack-protector-strong)
    return()
endif()
# A flag counts only where the compiler takes it without a word: clang accepts branch protection
# on x86 with a warning that it does nothing, which warnings as errors then refuse.
set(CMAKE_REQUIRED_FLAGS -Werror)
foreach(flag -fstack-clash-protection -fcf-protection -mbranch-protection=standard)
    string(MAKE_C_IDENTIFIER "COMPILER_HAS${flag}" has_flag)
    check_cxx_compiler_flag(${flag} ${has_flag})
    if(${has_flag})
        add_compile_options(${flag})
    endif()
endforeach()
unset(CMAKE_REQUIRED_FLAGS)
add_link_options(-Wl,-z,relro,-z,now)
