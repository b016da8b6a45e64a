# Code that builds for both the host and Windows. On the host every such library
# has a twin compiled with AddressSanitizer and UndefinedBehaviorSanitizer, which
# the host tests link; the tools and benchmarks link the plain one.

if(NOT CMAKE_CROSSCOMPILING)
    add_library(sonivel_sanitizers INTERFACE)
    target_compile_options(sonivel_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(sonivel_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

# portable_library(<name> SOURCES <files>... [INCLUDES <dirs>...] [DEPENDS <libs>...])
# Defines <name>, and on the host also <name>_sanitized.
function(portable_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;INCLUDES;DEPENDS" ${ARGN})
    set(variants ${name})
    if(NOT CMAKE_CROSSCOMPILING)
        list(APPEND variants ${name}_sanitized)
    endif()
    foreach(target IN LISTS variants)
        add_library(${target} STATIC ${ARG_SOURCES})
        target_include_directories(${target} PUBLIC ${ARG_INCLUDES})
        target_link_libraries(${target} PRIVATE sonivel_warnings)
        foreach(dep IN LISTS ARG_DEPENDS)
            if(target STREQUAL name)
                target_link_libraries(${target} PUBLIC ${dep})
            else()
                target_link_libraries(${target} PUBLIC ${dep}_sanitized)
            endif()
        endforeach()
    endforeach()
    if(NOT CMAKE_CROSSCOMPILING)
        target_link_libraries(${name}_sanitized PUBLIC sonivel_sanitizers)
    endif()
endfunction()
