// Built into the hack and its GL tests only under the sanitizers: the GL driver keeps blocks
// until the process ends, which LeakSanitizer would report as leaks of ours. Only the driver's
// own libraries are named, so a leak in our code is still found.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libGLX_mesa.so\n"
           "leak:swrast_dri.so\n"
           "leak:libgallium\n"
           "leak:libLLVM\n"
           "leak:libglapi.so\n"
           "leak:libX11.so\n";
}

// The driver is unloaded when the display closes, and a leak inside a library that is gone has
// no module to match; so libraries stay loaded until the process ends.
extern "C" int dlclose(void*) {
    return 0;
}
