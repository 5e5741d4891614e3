#include "common/colour_table.h"
#include "painter/settings/settings_record.h"
#include "tests/host/settings/fake_profile_store.h"

#include <gtest/gtest.h>

namespace bndx {
namespace {

using test::FakeProfileStore;

// Counts font changes, as the platform font made from the description follows them.
class WatchedSettings : public SettingsRecord {
public:
    int fontChanges = 0;

protected:
    void OnTextFontChanged() override { ++fontChanges; }
};

TEST(SettingsRecord, MissingKeysGiveTheDefaults) {
    FakeProfileStore store;
    SettingsRecord settings;
    settings.Speed = 1;
    settings.ShowTitle = 0;
    settings.SetTextFontDescription(FontDescription{});
    settings.LoadSettings(store);
    EXPECT_EQ(settings.WindowCoverage, 0);
    EXPECT_EQ(settings.GetPaintByType(), 1);
    EXPECT_EQ(settings.GetRefreshFrequency(), 5);
    EXPECT_EQ(settings.GetSpeed(), 9);
    EXPECT_EQ(settings.GetFrequency(), 3);
    EXPECT_EQ(settings.Alignment, 0);
    EXPECT_EQ(settings.ForegroundTransparent, 0);
    EXPECT_EQ(settings.ShowTitle, 1);
    EXPECT_EQ(settings.TitleTransparent, 1);
    EXPECT_EQ(settings.TitleColorIndex, 1);
    EXPECT_EQ(settings.TextColorIndex, 1);
    EXPECT_EQ(settings.TextBackgroundColorIndex, 16);
    EXPECT_EQ(settings.TextBorderColorIndex, 2);
    EXPECT_FALSE(settings.TextFontDescription());
    EXPECT_TRUE(store.values.empty()) << "loading writes nothing";
}

TEST(SettingsRecord, StoredValuesAreTakenUncheckedAndSixteenBitOnesKeepTheirLowBits) {
    FakeProfileStore store;
    store.values = {{{"Background", "WindowCoverage"}, "7"},  {{"Background", "RefreshFrequency"}, "65537"},
                    {{"Foreground", "Speed"}, "-1"},          {{"Foreground", "Alignment"}, "-3"},
                    {{"Foreground", "TitleColorIndex"}, "0"}, {{"Foreground", "ShowTitle"}, "5"},
                    {{"Foreground", "FontName"}, "Arial"},    {{"Foreground", "FontData"}, "-16,0,0,0,700"}};
    WatchedSettings settings;
    settings.LoadSettings(store);
    EXPECT_EQ(settings.WindowCoverage, 7);
    EXPECT_EQ(settings.GetRefreshFrequency(), 1);
    EXPECT_EQ(settings.GetSpeed(), 65535);
    EXPECT_EQ(settings.Alignment, -3);
    EXPECT_EQ(settings.TitleColorIndex, 0);
    EXPECT_EQ(settings.ShowTitle, 5);
    EXPECT_EQ(settings.fontChanges, 1) << "one platform font per load";

    FakeProfileStore saved;
    settings.SaveSettings(saved);
    EXPECT_EQ(saved.At("Background", "RefreshFrequency"), "1");
    EXPECT_EQ(saved.At("Foreground", "Speed"), "65535");
    EXPECT_EQ(saved.At("Foreground", "Alignment"), "-3");
    EXPECT_EQ(saved.At("Foreground", "FontName"), "Arial");
    EXPECT_EQ(saved.At("Foreground", "FontData"), "-16,0,0,0,700,0,0,0,0,0,0,0,0");
}

TEST(SettingsRecord, TheFontLinesAreOnlyWrittenForAFontAndOnlyReadWithAName) {
    FakeProfileStore store;
    store.values[{"Foreground", "FontData"}] = "-16,0,0,0,700,0,0,0,0,0,0,0,0";
    SettingsRecord settings;
    settings.SaveSettings(store);
    EXPECT_EQ(store.At("Foreground", "FontData"), "-16,0,0,0,700,0,0,0,0,0,0,0,0") << "no font: left alone";
    settings.LoadSettings(store);
    EXPECT_FALSE(settings.TextFontDescription()) << "data without a name is no font";

    // The font dialog cancelled with no font chosen gives an all-zero font: saved with an
    // empty name, it reads back as no font.
    settings.SetTextFontDescription(FontDescription{});
    settings.SaveSettings(store);
    settings.LoadSettings(store);
    EXPECT_FALSE(settings.TextFontDescription());

    store.values = {{{"Foreground", "FontName"}, "Tahoma"}};
    settings.LoadSettings(store);
    ASSERT_TRUE(settings.TextFontDescription()) << "a name without data: default fields";
    EXPECT_EQ(FaceNameOf(*settings.TextFontDescription()), "Tahoma");
}

TEST(SettingsRecord, ColourIndexesResolveInsideTheTable) {
    // Each case: the stored index of all four elements, the background's 0-based colour,
    // then the effective title or text colour and box colour.
    struct Case {
        uint16_t stored;
        std::optional<uint8_t> background;
        uint16_t text, box;
    } const cases[] = {
        {0, std::nullopt, kWhite, kBlack},
        {0, 4, 5, kBlack},
        {0, 6, 7, kBlack},
        {0, 15, 16, kBlack},
        {0, 16, kWhite, kBlack},
        {3, 4, 3, 3},
        {16, std::nullopt, 16, 16},
        {17, 9, 10, kBlack},
        {65535, std::nullopt, kWhite, kBlack},
    };
    for (const auto& c : cases) {
        SettingsRecord settings;
        settings.TitleColorIndex = settings.TextColorIndex = c.stored;
        settings.TextBackgroundColorIndex = settings.TextBorderColorIndex = c.stored;
        const int background = c.background ? *c.background : -1;
        EXPECT_EQ(settings.GetTitleColorIndex(c.background), c.text) << c.stored << " on " << background;
        EXPECT_EQ(settings.GetTextColorIndex(c.background), c.text) << c.stored << " on " << background;
        EXPECT_EQ(settings.GetTextBackgroundColorIndex(), c.box) << c.stored;
        EXPECT_EQ(settings.GetTextBorderColorIndex(), c.box) << c.stored;
    }
    EXPECT_EQ(ColourOf(7).green, 255) << "yellow";
    EXPECT_EQ(ColourOf(16).red, 64);
    EXPECT_EQ(ColourOf(17).blue, 255) << "outside the table: white";
}

} // namespace
} // namespace bndx
