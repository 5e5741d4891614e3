// Sets the stage for showing the suite at work and films it: places other programs' windows,
// brings one to the front, and records the front window's caption as a run of bitmap files.
//
//   demo_stage wait TITLE SECONDS          until a visible top-level window has that title
//   demo_stage gone TITLE SECONDS          until no visible top-level window has it
//   demo_stage place TITLE X Y WIDTH HEIGHT
//   demo_stage front TITLE
//   demo_stage film FOLDER SECONDS FPS     frame0000.bmp ... of the front window's top strip
//
// Titles match from their start, so "Bandsmith" finds "Bandsmith - [Sunset.bxb]". Exit code 0
// on success, 1 when the window is not there, 2 on a wrong command line.
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
    if (!IsWindowVisible(window) || GetWindowTextA(window, title, sizeof title) == 0) return TRUE;
    if (std::strncmp(title, search->prefix, std::strlen(search->prefix)) != 0) return TRUE;
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
        if ((FindByTitle(prefix) != nullptr) == shown) return true;
        if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
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
    if (!out) return false;
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

int Film(const std::string& folder, double seconds, double fps) {
    const RECT strip = StripOfFrontWindow();
    const int width = strip.right - strip.left, height = strip.bottom - strip.top;
    if (width <= 0 || height <= 0) return 1;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const int frames = static_cast<int>(seconds * fps);
    const double period = 1000.0 / fps;
    const DWORD start = GetTickCount();
    int saved = 0;
    for (int frame = 0; frame < frames; ++frame) {
        const DWORD due = start + static_cast<DWORD>(frame * period);
        const LONG wait = static_cast<LONG>(due - GetTickCount());
        if (wait > 0) Sleep(static_cast<DWORD>(wait));
        BitBlt(memory, 0, 0, width, height, screen, strip.left, strip.top, SRCCOPY);
        char name[32];
        std::snprintf(name, sizeof name, "\\frame%04d.bmp", frame);
        SelectObject(memory, old);
        saved += SaveBitmap(folder + name, memory, bitmap, width, height);
        SelectObject(memory, bitmap);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::printf("%d frames of %dx%d\n", saved, width, height);
    return saved == frames ? 0 : 1;
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
    if (command == "film" && argc == 5) return Film(argv[2], std::atof(argv[3]), std::atof(argv[4]));
    std::fprintf(stderr, "usage: demo_stage wait|gone|place|front|film ...\n");
    return 2;
}
