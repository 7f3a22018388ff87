# Strict warnings for the project's own targets.
add_library(quorvane_warnings INTERFACE)
target_compile_options(quorvane_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Woverloaded-virtual -Wsuggest-override -Wconversion -Wsign-conversion -Wnull-dereference
    -Wimplicit-fallthrough
    $<$<BOOL:${QUORVANE_WERROR}>:-Werror>)
