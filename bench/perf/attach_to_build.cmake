# Lets scripts/bench build the helper programs while bench/CMakeLists.txt does not list
# this folder yet: given as CMAKE_PROJECT_INCLUDE, it reads the folder's CMakeLists.txt
# after the whole tree has been read, unless the tree already added the folder.
set(ZORBEL_PERF_FOLDER ${CMAKE_CURRENT_LIST_DIR})
function(zorbel_attach_perf_helpers)
    if(NOT TARGET pop3_check_timing)
        include(${ZORBEL_PERF_FOLDER}/CMakeLists.txt)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL zorbel_attach_perf_helpers)
