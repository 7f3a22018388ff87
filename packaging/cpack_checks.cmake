# Read by cpack before it packages (CPACK_PROJECT_CONFIG_FILE).

# The runtime finds its modules beside its own file, and the system finds the runtime in Debian's multiarch
# folder: a tree that installs the library anywhere else (one configured before the layout was the multiarch
# one, or given another CMAKE_INSTALL_LIBDIR) would make packages whose programs find no runtime.
if(NOT CPACK_QUORVANE_LIBDIR STREQUAL CPACK_QUORVANE_MULTIARCH_LIBDIR)
    message(FATAL_ERROR "this tree installs the runtime library and its modules under "
        "${CPACK_QUORVANE_LIBDIR}; the packages carry them in /usr/${CPACK_QUORVANE_MULTIARCH_LIBDIR}. "
        "Configure with -DCMAKE_INSTALL_LIBDIR=${CPACK_QUORVANE_MULTIARCH_LIBDIR}.")
endif()

# Each package's description begins with its own synopsis; CPack would put the project's above all three.
unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
