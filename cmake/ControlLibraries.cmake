# The control libraries and classes the program refers to, read from manifest/control_libraries.json: the one
# place each library file, type library, version and class identity is written. The manifest's tables, each
# module's plugin metadata and each module's list of class identities are generated from it at configure time
# (manifest/CMakeLists.txt, controls/CMakeLists.txt), and a change to it configures the build again.
#
# The file holds "formsRuntime" (its "file", its "objectLibrary" with "name", "version" and "locale", and the
# names of its "builtinClasses" in table order) and "libraries" in table order, each with:
#   "file"           the library file, e.g. "MSCOMCT2.OCX"; its module is the lower-case stem, mscomct2.so
#   "typeLibrary"    the first part of each class's programmatic identifier, and the name of its folder under
#                    controls/
#   "version"        "major.minor" as the project records it, or null where it records none
#   "moduleVersion"  only where "version" is null: the version the module itself declares in its metadata
#   "locale"         the type library's locale
#   "classes"        in table order, each with its class "name", "clsid", whether it is "visible" at run time,
#                    and the showcase window's "instance" of it
# A programmatic identifier is never written: it is the type library, a point and the class name.

set(QUORVANE_CONTROL_LIBRARIES_FILE ${PROJECT_SOURCE_DIR}/manifest/control_libraries.json)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${QUORVANE_CONTROL_LIBRARIES_FILE})
file(READ ${QUORVANE_CONTROL_LIBRARIES_FILE} QUORVANE_CONTROL_LIBRARIES)

# quorvane_control_data(<out> <member>...): the member of the data file at that path, e.g. "libraries 3 file".
function(quorvane_control_data out)
    string(JSON value ERROR_VARIABLE error GET "${QUORVANE_CONTROL_LIBRARIES}" ${ARGN})
    if(error)
        message(FATAL_ERROR "${QUORVANE_CONTROL_LIBRARIES_FILE}: ${error}")
    endif()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# quorvane_control_count(<out> <member>...): the number of entries of the array at that path.
function(quorvane_control_count out)
    string(JSON value ERROR_VARIABLE error LENGTH "${QUORVANE_CONTROL_LIBRARIES}" ${ARGN})
    if(error)
        message(FATAL_ERROR "${QUORVANE_CONTROL_LIBRARIES_FILE}: ${error}")
    endif()
    set(${out} ${value} PARENT_SCOPE)
endfunction()

# quorvane_control_text(<out> <pattern> <member>...): a text member that must match the pattern; the pattern
# keeps out anything that would need quoting in the generated C++ and JSON.
function(quorvane_control_text out pattern)
    string(JSON type ERROR_VARIABLE error TYPE "${QUORVANE_CONTROL_LIBRARIES}" ${ARGN})
    quorvane_control_data(value ${ARGN})
    if(error OR NOT type STREQUAL "STRING" OR NOT value MATCHES "${pattern}")
        string(REPLACE ";" " " where "${ARGN}")
        message(FATAL_ERROR "${QUORVANE_CONTROL_LIBRARIES_FILE}: ${where} is '${value}', not text of the form ${pattern}")
    endif()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# quorvane_control_flag(<out> <member>...): a true-or-false member, as "true" or "false".
function(quorvane_control_flag out)
    string(JSON type ERROR_VARIABLE error TYPE "${QUORVANE_CONTROL_LIBRARIES}" ${ARGN})
    if(error OR NOT type STREQUAL "BOOLEAN")
        string(REPLACE ";" " " where "${ARGN}")
        message(FATAL_ERROR "${QUORVANE_CONTROL_LIBRARIES_FILE}: ${where} is not true or false")
    endif()
    quorvane_control_data(value ${ARGN})
    if(value)
        set(${out} true PARENT_SCOPE)
    else()
        set(${out} false PARENT_SCOPE)
    endif()
endfunction()

# quorvane_control_number(<out> <member>...): a whole-number member.
function(quorvane_control_number out)
    quorvane_control_data(value ${ARGN})
    if(NOT value MATCHES "^-?[0-9]+$")
        string(REPLACE ";" " " where "${ARGN}")
        message(FATAL_ERROR "${QUORVANE_CONTROL_LIBRARIES_FILE}: ${where} is '${value}', not a whole number")
    endif()
    set(${out} ${value} PARENT_SCOPE)
endfunction()

set(QUORVANE_CONTROL_NAME_PATTERN "^[A-Za-z_][A-Za-z0-9_]*$")
set(QUORVANE_CONTROL_FILE_PATTERN "^[A-Z0-9_]+\\.[A-Z0-9]+$")
set(QUORVANE_CONTROL_VERSION_PATTERN "^[0-9]+\\.[0-9]+$")
set(QUORVANE_CONTROL_CLSID_PATTERN "^{[0-9A-F]+-[0-9A-F]+-[0-9A-F]+-[0-9A-F]+-[0-9A-F]+}$")

# quorvane_control_library_index(<out> <file>): the library's place in the table; an unknown file is an error.
function(quorvane_control_library_index out file)
    quorvane_control_count(count libraries)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        quorvane_control_data(candidate libraries ${i} file)
        if(candidate STREQUAL file)
            set(${out} ${i} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    message(FATAL_ERROR "${file} is not a library of ${QUORVANE_CONTROL_LIBRARIES_FILE}")
endfunction()

# quorvane_control_library_version(<out> <index> [MODULE]): the library's recorded version, empty where none is
# recorded; with MODULE, the version its module declares, which is the recorded one where there is one.
function(quorvane_control_library_version out index)
    string(JSON recorded_type TYPE "${QUORVANE_CONTROL_LIBRARIES}" libraries ${index} version)
    string(JSON module_type ERROR_VARIABLE no_module_version TYPE "${QUORVANE_CONTROL_LIBRARIES}"
        libraries ${index} moduleVersion)
    quorvane_control_data(file libraries ${index} file)
    if(recorded_type STREQUAL "NULL")
        if(no_module_version)
            message(FATAL_ERROR "${QUORVANE_CONTROL_LIBRARIES_FILE}: ${file} records no version and gives no moduleVersion")
        endif()
        set(recorded "")
        quorvane_control_text(declared ${QUORVANE_CONTROL_VERSION_PATTERN} libraries ${index} moduleVersion)
    else()
        if(NOT no_module_version)
            message(FATAL_ERROR "${QUORVANE_CONTROL_LIBRARIES_FILE}: ${file} records a version, so its module declares that one: no moduleVersion")
        endif()
        quorvane_control_text(recorded ${QUORVANE_CONTROL_VERSION_PATTERN} libraries ${index} version)
        set(declared ${recorded})
    endif()
    if("MODULE" IN_LIST ARGN)
        set(${out} ${declared} PARENT_SCOPE)
    else()
        set(${out} "${recorded}" PARENT_SCOPE)
    endif()
endfunction()

# quorvane_write_if_changed(<path> <content>): a generated file, rewritten only when its content changes, so
# that configuring again rebuilds nothing that did not change.
function(quorvane_write_if_changed path content)
    if(EXISTS ${path})
        file(READ ${path} old)
        if(old STREQUAL content)
            return()
        endif()
    endif()
    file(WRITE ${path} "${content}")
endfunction()

# quorvane_write_module_description(<folder> <metadata file> <library file> <type library> <version> <made from>
#     CLASSES <name> <clsid> <visible> ...): what a control library module is built from besides its code, in
# <folder>: its plugin metadata (<metadata file>, the name Q_PLUGIN_METADATA gives) and library_classes.h, the
# library file and one constant per class identity for its class table. <made from> names what to change
# instead of these files.
function(quorvane_write_module_description folder metadata_file library_file type_library version made_from)
    cmake_parse_arguments(ARG "" "" "CLASSES" ${ARGN})
    set(metadata_classes "")
    set(clsid_constants "")
    set(class_ids "")
    set(count 0)
    set(rest ${ARG_CLASSES})
    while(rest)
        list(POP_FRONT rest name clsid visible)
        if(count GREATER 0)
            string(APPEND metadata_classes ",\n")
            string(APPEND class_ids ", ")
        endif()
        string(APPEND metadata_classes
            "        { \"progId\": \"${type_library}.${name}\", \"clsid\": \"${clsid}\", \"visible\": ${visible} }")
        string(APPEND clsid_constants "inline constexpr QStringView ${name} = u\"${clsid}\";\n")
        string(APPEND class_ids "clsid::${name}")
        math(EXPR count "${count} + 1")
    endwhile()

    quorvane_write_if_changed(${folder}/${metadata_file} "{
    \"libraryFile\": \"${library_file}\",
    \"typeLibrary\": \"${type_library}\",
    \"version\": \"${version}\",
    \"classes\": [
${metadata_classes}
    ]
}
")
    quorvane_write_if_changed(${folder}/library_classes.h "#pragma once
// Generated from ${made_from} when the build is configured: change that, not this.
// The library file ${library_file} and the identity of each of its classes, for the module's class table.

#include <QStringView>
#include <array>

namespace qv::library
{

inline constexpr QStringView file = u\"${library_file}\";

namespace clsid
{
${clsid_constants}} // namespace clsid

// Every class of the library, in table order.
inline constexpr std::array<QStringView, ${count}> classIds { ${class_ids} };

} // namespace qv::library
")
endfunction()
