// Sets the stage for showing the suite at work and films it: places other programs' windows,
// brings one to the front, and records the front window's caption as a run of bitmap files.
//
//   demo_stage wait TITLE SECONDS          until a visible top-level window has that title
//   demo_stage gone TITLE SECONDS          until no visible top-level window has it
//   demo_stage place TITLE X Y WIDTH HEIGHT
//   demo_stage front TITLE
//   demo_stage film FOLDER SECONDS FPS [EVERY]
//                                          frame0000.bmp ... of the front window's top strip, and
//                                          with EVERY, desktop0000.bmp ... of the whole screen at
//                                          every EVERY-th frame, named by that frame's number
//
// Titles match from their start, so "Bandsmith" finds "Bandsmith - [Sunset.bxb]". Exit code 0
// on success, 1 when the window is not there, 2 on a wrong command line.
// Never shipped, it runs on the build machine's Wine only, so it may use what came after the
// oldest Windows the programs run on.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include "platform/framework/scoped_gdi.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Search {
    const char* prefix;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    char title[256];
    if (!IsWindowVisible(window) || GetWindowTextA(window, title, sizeof title) == 0)
        return TRUE;
    if (std::strncmp(title, search->prefix, std::strlen(search->prefix)) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindByTitle(const char* prefix) {
    Search search{prefix, nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitForTitle(const char* prefix, bool shown, double seconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        if ((FindByTitle(prefix) != nullptr) == shown)
            return true;
        if (static_cast<LONG>(GetTickCount() - end) >= 0)
            return false;
        Sleep(50);
    }
}

bool SaveBitmap(const std::string& path, HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    info.biSizeImage = stride * static_cast<DWORD>(height);
    std::vector<unsigned char> bits(info.biSizeImage);
    if (!GetDIBits(dc, bitmap, 0, height, bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
        return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(bits.data(), bits.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

// The strip filmed: the front window's caption with a little of the window around it, taken
// once, so that every frame shows the same part of the screen.
RECT StripOfFrontWindow() {
    RECT rect{};
    GetWindowRect(GetForegroundWindow(), &rect);
    const int captionBottom = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
    InflateRect(&rect, 4, 4);
    rect.bottom = captionBottom + 12;
    return rect;
}

// Copies one part of the screen into a bitmap file.
bool SaveScreenPart(HDC screen, const RECT& part, const std::string& path) {
    const int width = part.right - part.left, height = part.bottom - part.top;
    const bndx::MemoryDc memory(screen);
    const bndx::GdiObject bitmap(CreateCompatibleBitmap(screen, width, height));
    {
        const bndx::ScopedSelect selected(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen, part.left, part.top, SRCCOPY);
    }
    return SaveBitmap(path, memory.Get(), static_cast<HBITMAP>(bitmap.Get()), width, height);
}

int Film(const std::string& folder, double seconds, double fps, int desktopEvery) {
    const RECT strip = StripOfFrontWindow();
    if (strip.right <= strip.left || strip.bottom <= strip.top)
        return 1;
    const RECT desktop{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const bndx::ClientDc screenDc(nullptr);
    const HDC screen = screenDc.Get();
    const int frames = static_cast<int>(seconds * fps);
    const double period = 1000.0 / fps;
    const DWORD start = GetTickCount();
    bool saved = true;
    for (int frame = 0; frame < frames; ++frame) {
        const DWORD due = start + static_cast<DWORD>(frame * period);
        const LONG wait = static_cast<LONG>(due - GetTickCount());
        if (wait > 0)
            Sleep(static_cast<DWORD>(wait));
        char name[32];
        std::snprintf(name, sizeof name, "\\frame%04d.bmp", frame);
        saved &= SaveScreenPart(screen, strip, folder + name);
        if (desktopEvery > 0 && frame % desktopEvery == 0) {
            std::snprintf(name, sizeof name, "\\desktop%04d.bmp", frame);
            saved &= SaveScreenPart(screen, desktop, folder + name);
        }
    }
    std::printf("%d frames of %ldx%ld\n", frames, strip.right - strip.left, strip.bottom - strip.top);
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    SetProcessDPIAware();
    const std::string command = argc > 1 ? argv[1] : "";
    if ((command == "wait" || command == "gone") && argc == 4)
        return WaitForTitle(argv[2], command == "wait", std::atof(argv[3])) ? 0 : 1;
    if (command == "place" && argc == 7) {
        HWND window = FindByTitle(argv[2]);
        return window && SetWindowPos(window, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                                      std::atoi(argv[6]), SWP_NOZORDER | SWP_NOACTIVATE)
                   ? 0
                   : 1;
    }
    if (command == "front" && argc == 3) {
        HWND window = FindByTitle(argv[2]);
        return window && SetForegroundWindow(window) ? 0 : 1;
    }
    if (command == "film" && (argc == 5 || argc == 6))
        return Film(argv[2], std::atof(argv[3]), std::atof(argv[4]), argc == 6 ? std::atoi(argv[5]) : 0);
    std::fprintf(stderr, "usage: demo_stage wait|gone|place|front|film ...\n");
    return 2;
}
