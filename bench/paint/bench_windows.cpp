// The other program of the painting benchmark: the benchmark's desktop in a process of its own,
// as the windows Banderix paints belong to other programs. Lives until its thread is told to quit.
#include "bench/paint/bench_windows.h"

int main() {
    bench::MakeBenchWindows();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
