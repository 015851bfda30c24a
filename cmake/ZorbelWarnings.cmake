# SPDX-FileCopyrightText: 2026 The Zorbel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# zorbel_warnings: the warnings the project's own code builds with, as errors. The toolkit's
# and the test frameworks' headers come in through their imported targets as system headers
# and are not held to them.
if(NOT TARGET zorbel_warnings)
    add_library(zorbel_warnings INTERFACE)
    if(MSVC)
        target_compile_options(zorbel_warnings INTERFACE /W4 /WX)
    else()
        target_compile_options(zorbel_warnings INTERFACE
            -Wall -Wextra -Wpedantic -Werror
            -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wshadow)
    endif()
endif()

# Every library and program defined under `directory` (and its subfolders) gets the warning
# set.
function(zorbel_apply_warnings directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
            target_link_libraries(${target} PRIVATE zorbel_warnings)
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        zorbel_apply_warnings(${subdirectory})
    endforeach()
endfunction()
