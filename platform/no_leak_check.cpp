// Linked into the programs and the tests that start GTK or SDL: those libraries keep allocations
// to the end of the process, which LeakSanitizer would report as leaks. In a sanitizer build,
// leaks are checked in the code that needs no window; everywhere else this is never called.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
