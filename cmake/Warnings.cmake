# Warnings are errors in our own code. Applied per target so that generated
# code (moc, uic, rcc) is not held to the same rule.
function(tikloom_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
        -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Wunused -Woverloaded-virtual
        -Wnull-dereference -Werror)
endfunction()

# Collects the sources of a folder (not recursive): *.cpp plus, on the platform
# named by the suffix, *_x11.cpp / *_win.cpp. Platform files of the other
# platform are left out, so a Windows build needs new files, not edits.
function(tikloom_sources out dir)
    file(GLOB all CONFIGURE_DEPENDS ${dir}/*.cpp)
    set(result)
    foreach(f ${all})
        if(f MATCHES "_win\\.cpp$")
            if(WIN32)
                list(APPEND result ${f})
            endif()
        elseif(f MATCHES "_x11\\.cpp$")
            if(UNIX AND NOT APPLE)
                list(APPEND result ${f})
            endif()
        else()
            list(APPEND result ${f})
        endif()
    endforeach()
    file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
    file(GLOB resources CONFIGURE_DEPENDS ${dir}/*.qrc)
    set(${out} ${result} ${headers} ${resources} PARENT_SCOPE)
endfunction()
