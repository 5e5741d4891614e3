// A module that is no add-in foreground: it exports something, but not GetForeground.
extern "C" __declspec(dllexport) int GetBackground(void) {
    return 0;
}
