# Instrumented builds, for clang: QUORVANE_SANITIZE checks every target of the build (the program, its
# modules and the tests) with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, stopping at the
# first report. QUORVANE_FUZZ adds coverage for libFuzzer and builds the fuzz targets in fuzz/.
option(QUORVANE_SANITIZE "Build with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUORVANE_FUZZ "Build the libFuzzer targets (clang; implies QUORVANE_SANITIZE)" OFF)

if(QUORVANE_FUZZ)
    set(QUORVANE_SANITIZE ON)
endif()
if(QUORVANE_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUORVANE_SANITIZE and QUORVANE_FUZZ need clang (CMAKE_CXX_COMPILER=clang++-14)")
    endif()
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${sanitizers})
    add_link_options(${sanitizers})
    # Every program of the build carries the sanitizers' settings (sanitizers/defaults.cpp); the installed
    # runtime's CMake package does not pass them on to programs built elsewhere.
    add_library(quorvane_sanitizer_defaults OBJECT ${PROJECT_SOURCE_DIR}/sanitizers/defaults.cpp)
    link_libraries(
        "$<BUILD_INTERFACE:$<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:quorvane_sanitizer_defaults>>")
endif()
if(QUORVANE_FUZZ)
    # Coverage in every target; only the fuzz targets link libFuzzer's own main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
