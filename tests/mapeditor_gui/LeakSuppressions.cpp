// The font configuration library keeps a cache for the life of the program, which the leak
// checker would report at exit; leaks anywhere else still fail the tests.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
