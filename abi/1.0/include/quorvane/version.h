#pragma once
// The version of the forms runtime these headers belong to. A program built with 1.x headers runs with any
// runtime library of the same major version whose minor version is at least as high.

#define QUORVANE_VERSION_MAJOR 1
#define QUORVANE_VERSION_MINOR 0
#define QUORVANE_VERSION_PATCH 0
#define QUORVANE_VERSION_STRING "1.0.0"
