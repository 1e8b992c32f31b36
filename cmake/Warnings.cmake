# Strict warnings for every target of ours; warnings are errors. MSVC and clang-cl take the
# MSVC spelling, GCC and Clang (MinGW's included) the GNU one.
function(tarnivel_warnings target)
    if(CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC" OR MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive-)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Werror
            -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
            -Wimplicit-fallthrough -Wcast-qual -Wformat=2)
    endif()
endfunction()

# GCC 12 at -O3 reports impossible overlaps inside std::string's own copies (GCC bug 105651,
# fixed in GCC 13); the warning then says nothing about our code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict)
endif()
