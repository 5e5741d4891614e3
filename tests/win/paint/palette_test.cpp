// The 256-colour path, run in the 8-bit test environment: a background's picture reaches the
// caption through its own palette, realised for the paint. Pixels cannot show the realisation:
// Wine's 8-bit window surfaces map every colour through their fixed table whatever palette is
// realised. The system palette shows it, by gaining the picture's colours.
#include "platform/framework/scoped_gdi.h"
#include "tests/win/caption_on_screen.h"
#include "tests/win/paint/engine_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

namespace bndx::test {
namespace {

bool InSystemPalette(const RGBQUAD& colour) {
    std::array<PALETTEENTRY, 256> entries{};
    const UINT count =
        GetSystemPaletteEntries(ClientDc(nullptr).Get(), 0, static_cast<UINT>(entries.size()), entries.data());
    return std::any_of(entries.begin(), entries.begin() + count, [&](const PALETTEENTRY& entry) {
        return entry.peRed == colour.rgbRed && entry.peGreen == colour.rgbGreen && entry.peBlue == colour.rgbBlue;
    });
}

void ExpectRealised(const std::vector<RGBQUAD>& colours, bool realised) {
    for (const RGBQUAD& colour : colours)
        EXPECT_EQ(InSystemPalette(colour), realised)
            << int{colour.rgbRed} << ", " << int{colour.rgbGreen} << ", " << int{colour.rgbBlue};
}

// A background of upright stripes 8 pixels wide in colours new to the system palette, at the
// given height so that nothing is scaled.
std::unique_ptr<CBackgroundEntry> Stripes(const char* name, const std::vector<RGBQUAD>& colours, int height) {
    ExpectRealised(colours, false);
    const int width = 8 * static_cast<int>(colours.size());
    std::vector<uint8_t> rows;
    for (int n = 0; n < width * height; ++n)
        rows.push_back(static_cast<uint8_t>(n % width / 8));
    const auto size = static_cast<DWORD>(rows.size()), used = static_cast<DWORD>(colours.size());
    const BITMAPINFOHEADER info{sizeof(info), width, height, 1, 8, BI_RGB, size, 0, 0, used, 0};
    const std::string path = WriteBackground(name, info, colours, rows);
    auto background = std::make_unique<CBackgroundEntry>(path.c_str());
    DeleteFileA(path.c_str());
    EXPECT_NE(background->Palette(), nullptr);
    return background;
}

class PaletteDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.engine->State().in256ColourMode) << "needs a display of 8 bits per pixel";
    }
    EngineHost host;
};

TEST_F(PaletteDisplay, TheCaptionPaintRealisesTheBackgroundsPalette) {
    TestWindow front("Palette caption", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 300, 120);
    const CaptionRect caption = CaptionLayoutOf(front.Handle()).area;
    const std::vector<RGBQUAD> colours = {{201, 61, 121, 0}, {201, 171, 241, 0}};
    const auto background = Stripes("PaletteCaption", colours, caption.bottom - caption.top);
    const int x = caption.left + 4, y = (caption.top + caption.bottom) / 2;
    const uint32_t systemLook = ScreenCapture::OfWindow(front.Handle()).At(x, y);
    host.settings.ShowTitle = 0;
    host.settings.WindowCoverage = kPaintForegroundWindow;
    host.engine->ChooseBackground(background.get());
    host.engine->RefreshCaptions();
    EXPECT_TRUE(WaitFor([&] { return ScreenCapture::OfWindow(front.Handle()).At(x, y) != systemLook; }, 2000))
        << "the background reaches the caption";
    ExpectRealised(colours, true);
}

} // namespace
} // namespace bndx::test
