# split_debug_info(target): keeps a MinGW build's debug information out of the shipped file.
# Wine reads a PE's sections into memory as it loads them, debug sections included (MinGW's file
# alignment does not let them be mapped), so a program carrying them pays megabytes of resident
# memory for nothing. The information goes to symbols/<name>.debug in the build directory, linked
# from the program file, where a debugger still finds it.
function(split_debug_info target)
    if(NOT MINGW OR NOT CMAKE_OBJCOPY)
        return()
    endif()
    set(symbols ${CMAKE_BINARY_DIR}/symbols)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory ${symbols}
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}>
                ${symbols}/$<TARGET_FILE_BASE_NAME:${target}>.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-debug
                --add-gnu-debuglink=${symbols}/$<TARGET_FILE_BASE_NAME:${target}>.debug
                $<TARGET_FILE:${target}>
        VERBATIM)
endfunction()
