// The sanitizers' settings, linked into every program of an instrumented build, so that the program, each
// test and each fuzz target behave alike however they are started: stop at the first report of any kind,
// and look for leaks at exit.

extern "C" {

const char *__asan_default_options()
{
    return "detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1:"
           "external_symbolizer_path=/usr/lib/llvm-14/bin/llvm-symbolizer";
}

const char *__ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

// Leaks reported inside these libraries are theirs, not ours; each line says why it is left out. Nothing of
// the program's own code is suppressed.
const char *__lsan_default_suppressions()
{
    // fontconfig: the font sets and patterns it builds when Qt first asks for fonts are kept for the life of
    // the process and freed only by FcFini(), which Qt never calls. The fuzz targets see them as leaks of
    // whichever input first drew text.
    // libwayland-client: protocol objects Qt's wayland platform (6.4) makes for the compositor's globals and
    // never destroys before the process ends; the program has no Wayland code of its own.
    // libEGL_mesa: Mesa 22.3.6-1+deb12u2's driver, which Qt's wayland platform sets up when a window is first
    // shown, keeps 128 bytes from its one-time initialisation and unloads its DRI module before the check at
    // exit (the frames under the EGL library are in that module, named by no file any more).
    return "leak:libfontconfig.so.1\n"
           "leak:libwayland-client.so.0\n"
           "leak:libEGL_mesa.so.0\n";
}

} // extern "C"
