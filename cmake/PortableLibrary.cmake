# Code that builds for both the host and Windows. On the host every such library
# has a twin compiled with AddressSanitizer and UndefinedBehaviorSanitizer, which
# the host tests link; the tools and benchmarks link the plain one.

if(NOT CMAKE_CROSSCOMPILING)
    add_library(sonivel_sanitizers INTERFACE)
    target_compile_options(sonivel_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(sonivel_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

# portable_library(<name> SOURCES <files>... [INCLUDES <dirs>...])
# Defines <name>, and on the host also <name>_sanitized.
function(portable_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;INCLUDES" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${ARG_INCLUDES})
    target_link_libraries(${name} PRIVATE sonivel_warnings)
    if(NOT CMAKE_CROSSCOMPILING)
        add_library(${name}_sanitized STATIC ${ARG_SOURCES})
        target_include_directories(${name}_sanitized PUBLIC ${ARG_INCLUDES})
        target_link_libraries(${name}_sanitized PUBLIC sonivel_sanitizers PRIVATE sonivel_warnings)
    endif()
endfunction()
