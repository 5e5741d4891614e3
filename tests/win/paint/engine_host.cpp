#include "tests/win/paint/engine_host.h"

#include "common/file_headers.h"
#include "common/painter_messages.h"

#include <fstream>

namespace bndx::test {

std::string WriteBackground(const char* name, const BITMAPINFOHEADER& info, const std::vector<RGBQUAD>& colours,
                            const std::vector<uint8_t>& rows) {
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = static_cast<DWORD>(sizeof(file) + sizeof(info) + colours.size() * sizeof(RGBQUAD));
    file.bfSize = static_cast<DWORD>(file.bfOffBits + rows.size());
    const BackgroundFileHeader header = MakeBackgroundHeader(name, 9);

    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name + ".BXB";
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(reinterpret_cast<const char*>(colours.data()),
              static_cast<std::streamsize>(colours.size() * sizeof(RGBQUAD)));
    out.write(reinterpret_cast<const char*>(rows.data()), static_cast<std::streamsize>(rows.size()));
    return path;
}

std::string WriteSolidBackground(const char* name, uint8_t red, uint8_t green, uint8_t blue) {
    constexpr int32_t kSide = 16;
    constexpr uint32_t kRowBytes = kSide * 3; // already a multiple of four
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = kSide;
    info.biHeight = kSide;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = kRowBytes * kSide;
    std::vector<uint8_t> rows;
    for (uint32_t i = 0; i < kSide * kSide; ++i)
        rows.insert(rows.end(), {blue, green, red});
    return WriteBackground(name, info, {}, rows);
}

EngineHost::EngineHost() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "BndxEngineHost";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, windowClass.lpszClassName, kPainterWindowTitle, WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
    engine = std::make_unique<PaintEngine>(window_, settings, foregrounds);
    engine->ReadMetrics();
    engine->ReadColourDepth();
    current_ = engine.get();
}

EngineHost::~EngineHost() {
    engine->SetHook(false);
    engine.reset();
    current_ = nullptr;
    DestroyWindow(window_);
}

LRESULT CALLBACK EngineHost::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (current_)
        current_->OnMessage(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

PaintEngine* EngineHost::current_ = nullptr;

CaptionRect CaptionOf(const PaintEngine& engine, HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    const CaptionMetrics metrics{engine.Metrics.iBorderWidth, engine.Metrics.iCaptionHeight,
                                 engine.Metrics.iSmCaptionHeight};
    return ComputeCaptionRect(bounds.right - bounds.left, static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE)),
                              static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE)), metrics);
}

} // namespace bndx::test
