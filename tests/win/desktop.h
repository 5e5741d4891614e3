// Helpers for Windows tests that use real windows on the test desktop: windows to paint on,
// programs to start, and the screen as the user sees it.
#pragma once

#include "platform/framework/win32_handles.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bndx::test {

// A Windows path to a file of the build's dist folder.
std::string DistPath(const char* fileName);

// A Windows path to a program built beside the running test program.
std::string TestProgramPath(const char* fileName);

// Handles the test thread's messages for the given time.
void PumpMessages(DWORD milliseconds);

// Pumps messages until the condition holds or the time runs out; returns the last result.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);

// A top-level window of this process, shown and brought to the front.
class TestWindow {
public:
    TestWindow(const char* title, DWORD style, DWORD exStyle, int width, int height);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

// One started process, ended by force when nothing else ended it, even if the test is killed.
class Process {
public:
    Process() = default;
    ~Process();

    // In the folder given, or the test's own when none is.
    bool Start(const std::string& path, const std::string& folder = {}, const std::string& arguments = {});
    // Why the last Start failed, as the system said it.
    DWORD StartError() const { return startError_; }
    DWORD ProcessId() const { return id_; }
    bool Running() const;
    // -1 if the process has not ended in time. Messages are pumped meanwhile.
    long WaitForExit(DWORD timeoutMs);
    void Terminate();

private:
    UniqueKernelObject handle_;
    DWORD id_ = 0;
    DWORD startError_ = 0;
};

// Pixels of a screen area as the user sees them, 0x00RRGGBB, row by row.
class ScreenCapture {
public:
    ScreenCapture() = default;
    // Captures the whole window rectangle of a window, in its whole-window coordinates.
    static ScreenCapture OfWindow(HWND window);
    int Width() const { return width_; }
    int Height() const { return height_; }
    uint32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    // Saves the capture where the test run keeps screenshots (as a BMP, made a PNG afterwards).
    void Save(const std::string& name) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

// How many shown top-level windows of the class there are (Banderix's overlays, for one).
int ShownWindowsOfClass(const char* className);

// Pixels that differ between two captures of the same window, among those the predicate selects.
int CountChanged(const ScreenCapture& a, const ScreenCapture& b, const std::function<bool(int, int)>& where);

// The RGB of a system colour in the 0x00RRGGBB form of ScreenCapture.
uint32_t SystemColourPixel(int index);

} // namespace bndx::test
