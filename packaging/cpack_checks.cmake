# Read by cpack before it packages (CPACK_PROJECT_CONFIG_FILE).
if(NOT CPACK_QUORVANE_LIBDIR STREQUAL "lib")
    message(FATAL_ERROR "this tree installs the control modules under "
        "${CPACK_QUORVANE_LIBDIR}/quorvane/controls; the package carries them in /usr/lib/quorvane/controls. "
        "Configure with -DCMAKE_INSTALL_LIBDIR=lib.")
endif()
