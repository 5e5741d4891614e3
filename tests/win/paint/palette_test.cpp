// The 256-colour path, on a display of 8 bits per pixel (run in the 8-bit test environment): a
// background's picture reaches the caption through its own palette, realised for the paint.
#include "tests/win/desktop.h"
#include "tests/win/paint/engine_host.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace bndx::test {
namespace {

constexpr int kStripeWidth = 8;

// Whether the system palette holds the colour as one of its entries.
bool InSystemPalette(const RGBQUAD& colour) {
    HDC screen = GetDC(nullptr);
    std::array<PALETTEENTRY, 256> entries{};
    const UINT count = GetSystemPaletteEntries(screen, 0, static_cast<UINT>(entries.size()), entries.data());
    ReleaseDC(nullptr, screen);
    for (UINT i = 0; i < count; ++i)
        if (entries[i].peRed == colour.rgbRed && entries[i].peGreen == colour.rgbGreen &&
            entries[i].peBlue == colour.rgbBlue)
            return true;
    return false;
}

// Upright stripes of the given colours, at the given height so that nothing is scaled.
std::string WriteStripes(const char* name, const std::vector<RGBQUAD>& colours, int height) {
    const int width = kStripeWidth * static_cast<int>(colours.size());
    BITMAPINFOHEADER info{sizeof(info), width, height, 1, 8, BI_RGB, 0, 0, 0, static_cast<DWORD>(colours.size()), 0};
    std::vector<uint8_t> rows;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rows.push_back(static_cast<uint8_t>(x / kStripeWidth));
    info.biSizeImage = static_cast<DWORD>(rows.size());
    return WriteBackground(name, info, colours, rows);
}

// A picture's colours exist on a palette device only once its palette is realised. Pixels cannot
// tell here: Wine's 8-bit window surfaces map every colour through their fixed table whatever
// palette is realised. What shows the realisation is the system palette, which gains the colours.
class PaletteDisplay : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.engine->In256ColourMode) << "needs a display of 8 bits per pixel"; }

    // A background of upright stripes in colours new to the system palette.
    std::unique_ptr<CBackgroundEntry> Stripes(const char* name, const std::vector<RGBQUAD>& colours, int height) {
        for (const RGBQUAD& colour : colours)
            EXPECT_FALSE(InSystemPalette(colour)) << "the test's colours must be new to the system palette";
        const std::string path = WriteStripes(name, colours, height);
        auto background = std::make_unique<CBackgroundEntry>(path.c_str());
        DeleteFileA(path.c_str());
        EXPECT_NE(background->Palette(), nullptr);
        return background;
    }
    static void ExpectRealised(const std::vector<RGBQUAD>& colours, bool realised) {
        for (const RGBQUAD& colour : colours)
            EXPECT_EQ(InSystemPalette(colour), realised)
                << int{colour.rgbRed} << ", " << int{colour.rgbGreen} << ", " << int{colour.rgbBlue};
    }

    EngineHost host;
};

TEST_F(PaletteDisplay, BackgroundRealisesItsPaletteOnlyWhenAskedTo) {
    const std::vector<RGBQUAD> asked = {{41, 121, 221, 0}, {111, 181, 61, 0}};
    const std::vector<RGBQUAD> notAsked = {{43, 123, 223, 0}, {113, 183, 63, 0}};
    const auto withPalette = Stripes("PaletteAsked", asked, 18);
    const auto withoutPalette = Stripes("PaletteNotAsked", notAsked, 18);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(dc, CreateCompatibleBitmap(screen, 200, 18));
    const RECT strip{0, 0, 200, 18};
    withPalette->Paint(dc, &strip, TRUE);
    withoutPalette->Paint(dc, &strip, FALSE);
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ExpectRealised(asked, true);
    ExpectRealised(notAsked, false);
}

TEST_F(PaletteDisplay, CaptionIsPaintedWithThePicturesPaletteRealised) {
    TestWindow front("Palette caption", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 300, 120);
    const CaptionRect caption = CaptionOf(*host.engine, front.Handle());
    const std::vector<RGBQUAD> colours = {{201, 61, 121, 0}, {201, 171, 241, 0}};
    const auto background = Stripes("PaletteCaption", colours, caption.bottom - caption.top);

    const int x = caption.left + kStripeWidth / 2;
    const int y = (caption.top + caption.bottom) / 2;
    const uint32_t systemLook = ScreenCapture::OfWindow(front.Handle()).At(x, y);
    host.settings.ShowTitle = 0;
    host.settings.WindowCoverage = kPaintForegroundWindow;
    host.engine->CurrentBackground = background.get();
    host.engine->RefreshCaptions();
    EXPECT_TRUE(WaitFor([&] { return ScreenCapture::OfWindow(front.Handle()).At(x, y) != systemLook; }, 2000))
        << "the background reaches the caption";
    ExpectRealised(colours, true);
}

} // namespace
} // namespace bndx::test
