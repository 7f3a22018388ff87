#pragma once
// What the forms runtime's library exports: the declarations marked with QUORVANE_EXPORT, and nothing else.

#define QUORVANE_EXPORT __attribute__((visibility("default")))
