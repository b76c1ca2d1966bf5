# Adds every folder below the current one that has a CMakeLists.txt of its own, so that
# each part of the board owns its build file and no parent lists its children.
function(zorvane_add_subfolders)
    file(GLOB_RECURSE lists CONFIGURE_DEPENDS
        LIST_DIRECTORIES false "${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt")
    list(SORT lists)
    foreach(list_file IN LISTS lists)
        get_filename_component(dir "${list_file}" DIRECTORY)
        add_subdirectory("${dir}")
    endforeach()
endfunction()
