#include "tests/win/desktop.h"

#include "platform/dib/dib_surface.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace bndx::test {

namespace {

// A folder named by an environment variable, as a Windows path; the current folder when unset.
std::string FolderFrom(const char* variable) {
    const char* value = std::getenv(variable);
    std::string path = value ? value : ".";
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path; // Wine maps the Unix root to drive Z:
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

} // namespace

std::string DistPath(const char* fileName) {
    return FolderFrom("BNDX_DIST_DIR") + "\\" + fileName;
}

std::string TestProgramPath(const char* fileName) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of('\\') + 1) + fileName;
}

int ShownWindowsOfClass(const char* className) {
    int shown = 0;
    for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExA(nullptr, window, className, nullptr))
        shown += IsWindowVisible(window) ? 1 : 0;
    return shown;
}

void PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        PumpMessages(10);
    }
    return true;
}

namespace {

const char kTestWindowClass[] = "BndxTestWindow";

void RegisterTestClass() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kTestWindowClass;
    RegisterClassA(&windowClass); // fails harmlessly when already registered
}

} // namespace

TestWindow::TestWindow(const char* title, DWORD style, DWORD exStyle, int width, int height) {
    RegisterTestClass();
    window_ = CreateWindowExA(exStyle, kTestWindowClass, title, style, 100, 100, width, height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
    WaitFor([this] { return GetForegroundWindow() == window_; }, 2000);
    PumpMessages(200); // let the system finish drawing the frame
}

TestWindow::~TestWindow() {
    DestroyWindow(window_);
}

namespace {

HANDLE StartedPrograms() {
    static const HANDLE job = [] {
        const HANDLE made = CreateJobObjectA(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
        return made;
    }();
    return job;
}

} // namespace

Process::~Process() {
    if (Running())
        Terminate();
}

bool Process::Start(const std::string& path, const std::string& folder, const std::string& arguments) {
    if (Running())
        Terminate();
    handle_.Reset();
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    // Now and then a new Wine process dies while its loader sets up, which reaches the parent as a
    // failed start, not as a process that ends: that is not the program's fault, so it is tried
    // again before the test hears of it.
    for (int attempt = 0;; ++attempt) {
        if (CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                           folder.empty() ? nullptr : folder.c_str(), &startup, &info))
            break;
        startError_ = GetLastError();
        if (attempt == 2 || startError_ == ERROR_FILE_NOT_FOUND || startError_ == ERROR_PATH_NOT_FOUND)
            return false;
        Sleep(200);
    }
    AssignProcessToJobObject(StartedPrograms(), info.hProcess);
    const UniqueKernelObject thread(info.hThread);
    ResumeThread(thread.Get());
    handle_.Reset(info.hProcess);
    id_ = info.dwProcessId;
    return true;
}

bool Process::Running() const {
    return handle_ && WaitForSingleObject(handle_.Get(), 0) == WAIT_TIMEOUT;
}

long Process::WaitForExit(DWORD timeoutMs) {
    if (!handle_ || !WaitFor([this] { return !Running(); }, timeoutMs))
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(handle_.Get(), &code);
    return static_cast<long>(code);
}

void Process::Terminate() {
    TerminateProcess(handle_.Get(), 99);
    WaitForSingleObject(handle_.Get(), 5000);
}

ScreenCapture ScreenCapture::OfWindow(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    ScreenCapture capture;
    capture.width_ = bounds.right - bounds.left;
    capture.height_ = bounds.bottom - bounds.top;
    capture.pixels_.resize(static_cast<size_t>(capture.width_) * capture.height_);
    const DibSurface surface(capture.width_, capture.height_); // top-down, like the pixel vector
    if (!surface)
        return capture;
    BitBlt(surface.Dc(), 0, 0, capture.width_, capture.height_, ClientDc(nullptr).Get(), bounds.left, bounds.top,
           SRCCOPY);
    GdiFlush();
    for (size_t i = 0; i < capture.pixels_.size(); ++i)
        capture.pixels_[i] = surface.Pixels()[i] & 0x00FFFFFF;
    return capture;
}

void ScreenCapture::Save(const std::string& name) const {
    const std::string path = FolderFrom("BNDX_SCREENSHOT_DIR") + "\\" + name + ".bmp";
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width_;
    header.biHeight = -height_;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    const DWORD imageSize = static_cast<DWORD>(pixels_.size() * sizeof(uint32_t));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + imageSize;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof(file), 1, out);
        std::fwrite(&header, sizeof(header), 1, out);
        std::fwrite(pixels_.data(), imageSize, 1, out);
        std::fclose(out);
    }
}

int CountChanged(const ScreenCapture& a, const ScreenCapture& b, const std::function<bool(int, int)>& where) {
    int changed = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (where(x, y) && a.At(x, y) != b.At(x, y))
                ++changed;
    return changed;
}

uint32_t SystemColourPixel(int index) {
    const COLORREF colour = GetSysColor(index);
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

} // namespace bndx::test
