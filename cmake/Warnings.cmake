# Strict warnings for every target of ours; warnings are errors.
function(tarnivel_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
        -Wimplicit-fallthrough -Wcast-qual -Wformat=2)
endfunction()
