# quorvane_source_folders(<target> <folder>...): the target's sources, and those of everything that links it,
# include these folders of the source tree as "<folder>/<file>", and no other folder of it: the include path
# follows the links, so a part that reaches into a folder it does not link fails to compile. Each target has
# an include root of its own in the build tree, holding a link to each of its folders.
function(quorvane_source_folders target)
    set(root ${PROJECT_BINARY_DIR}/source-folders/${target})
    foreach(folder ${ARGN})
        if(NOT IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${folder})
            message(FATAL_ERROR "quorvane_source_folders(${target}): no folder ${folder} in the source tree")
        endif()
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()
