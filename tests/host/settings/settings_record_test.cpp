// The settings record and the saved selection over a settings file held in memory.
#include "common/colour_table.h"
#include "painter/settings/selection.h"
#include "painter/settings/settings_record.h"
#include "tests/host/memory_profile.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace bndx {
namespace {

// Counts font changes, as the platform font made from the description follows them.
struct WatchedSettings : SettingsRecord {
    void OnTextFontChanged() override { ++fontChanges; }
    int fontChanges = 0;
};

TEST(SettingsRecord, StoredValuesReadAsWhatTheyBehaveAsMissingOnesGiveTheDefaultsAndAFontNeedsAName) {
    test::MemoryProfile odd, saved;
    odd.values = {{{"Background", "WindowCoverage"}, "99"},
                  {{"Background", "RefreshFrequency"}, "65537"},
                  {{"Background", "PaintByType"}, "7"},
                  {{"Background", "PaintMode"}, "2"},
                  {{"Foreground", "Speed"}, "-1"},
                  {{"Foreground", "Alignment"}, "-3"},
                  {{"Foreground", "TitleColorIndex"}, "0"},
                  {{"Foreground", "ShowTitle"}, "77"},
                  {{"Foreground", "TitleTransparent"}, "-1"},
                  {{"Foreground", "ForegroundTransparent"}, "2"},
                  {{"Foreground", "FontName"}, "Arial"},
                  {{"Foreground", "FontData"}, "-16,0,0,0,700"},
                  {{"Leave Alone", "NOTEPAD.EXE"}, "1"},
                  {{"Leave Alone", "calc.exe"}, "0"},
                  {{"Leave Alone", "game.exe"}, "7"},
                  {{"Leave Alone", "notepad.exe"}, "1"}};
    WatchedSettings settings;
    settings.LoadSettings(odd);
    EXPECT_EQ(settings.fontChanges, 1) << "one platform font per load";
    settings.SaveSettings(saved);
    EXPECT_EQ(saved.Text(), "[Background] PaintByType=0 PaintMode=2 RefreshFrequency=1 WindowCoverage=2 "
                            "[Foreground] Alignment=1 "
                            "FontData=-16,0,0,0,700,0,0,0,0,0,0,0,0 FontName=Arial ForegroundTransparent=1 Frequency=3 "
                            "ShowTitle=1 Speed=65535 TextBackgroundColorIndex=16 TextBorderColorIndex=2 "
                            "TextColorIndex=1 TitleColorIndex=0 TitleTransparent=1 "
                            "[Leave Alone] NOTEPAD.EXE=1 game.exe=1 ")
        << "coverage, method, alignment and booleans as they behave; the 16-bit values keep their low bits; "
           "each program left alone once";
    settings.LeaveAlone.Assign({"word.exe"});
    settings.SaveSettings(saved);
    EXPECT_EQ(saved.values[std::pair("Leave Alone", "game.exe")], "0") << "a program no longer left alone";

    test::MemoryProfile dataOnly;
    dataOnly.values[{"Foreground", "FontData"}] = "-16";
    settings.LoadSettings(dataOnly);
    EXPECT_EQ(dataOnly.Text(), "[Foreground] FontData=-16 ") << "loading writes nothing";
    EXPECT_FALSE(settings.TextFontDescription()) << "data without a name is no font";
    settings.SaveSettings(dataOnly);
    EXPECT_EQ(dataOnly.Text(),
              "[Background] PaintByType=1 PaintMode=0 RefreshFrequency=5 WindowCoverage=0 [Foreground] Alignment=0 "
              "FontData=-16 ForegroundTransparent=0 Frequency=3 ShowTitle=1 Speed=9 "
              "TextBackgroundColorIndex=16 TextBorderColorIndex=2 TextColorIndex=1 TitleColorIndex=1 "
              "TitleTransparent=1 ")
        << "missing keys give the defaults; without a font, FontData is left alone";

    // The font dialog cancelled with no font chosen gives an all-zero font: saved with an empty
    // name, it reads back as no font. A name without data gives a font of default fields.
    settings.SetTextFontDescription(FontDescription{});
    settings.SaveSettings(dataOnly);
    settings.LoadSettings(dataOnly);
    EXPECT_FALSE(settings.TextFontDescription());
    dataOnly.values = {{{"Foreground", "FontName"}, "Tahoma"}};
    settings.LoadSettings(dataOnly);
    ASSERT_TRUE(settings.TextFontDescription());
    EXPECT_EQ(FaceNameOf(*settings.TextFontDescription()), "Tahoma");
}

TEST(SettingsRecord, ColourIndexesResolveInsideTheTable) {
    // Each case: the stored index of all four elements, the background's 0-based colour,
    // then the effective title or text colour and box colour.
    const std::tuple<uint16_t, std::optional<uint8_t>, uint16_t, uint16_t> cases[] = {
        {0, std::nullopt, kWhite, kBlack}, {0, 15, 16, kBlack}, {0, 16, kWhite, kBlack}, {3, 4, 3, 3},
        {16, std::nullopt, 16, 16},        {17, 9, 10, kBlack}};
    for (const auto& [stored, background, text, box] : cases) {
        SCOPED_TRACE(testing::Message() << stored << " on " << (background ? *background : -1));
        SettingsRecord settings;
        settings.TitleColorIndex = settings.TextColorIndex = stored;
        settings.TextBackgroundColorIndex = settings.TextBorderColorIndex = stored;
        EXPECT_EQ(settings.GetTitleColorIndex(background), text);
        EXPECT_EQ(settings.GetTextColorIndex(background), text);
        EXPECT_EQ(settings.GetTextBackgroundColorIndex(), box);
        EXPECT_EQ(settings.GetTextBorderColorIndex(), box);
    }
    EXPECT_EQ(ColourOf(17).blue, 255) << "outside the table: white";
}

TEST(PaintMode, UnknownValuesReadAsAutomaticWhichPaintsOverTheCaptionExactlyWhenTheDesktopComposes) {
    // Each case: the stored PaintMode (none: a file from before the key), whether the desktop
    // composes, then the setting as loaded and where the picture goes.
    constexpr Presentation into = Presentation::IntoCaption, over = Presentation::OverCaption;
    const std::tuple<const char*, bool, int32_t, Presentation> cases[] = {
        {nullptr, false, 0, into}, {nullptr, true, 0, over}, {"1", true, 1, into},
        {"2", false, 2, over},     {"3", false, 0, into},    {"-1", true, 0, over}};
    for (const auto& [stored, composes, loaded, expected] : cases) {
        SCOPED_TRACE(testing::Message() << (stored ? stored : "none") << (composes ? ", composed" : ""));
        test::MemoryProfile store;
        if (stored)
            store.values[{"Background", "PaintMode"}] = stored;
        SettingsRecord settings;
        settings.PaintMode = kPaintOverCaption; // what a load must replace
        settings.LoadSettings(store);
        EXPECT_EQ(settings.PaintMode, loaded);
        EXPECT_EQ(ChoosePresentation(settings.PaintMode, composes), expected);
    }
}

// A list box of the main window: its rows' texts and which of them are selected.
struct FakeList : SelectionList {
    FakeList(std::vector<std::string> texts, std::set<int> chosen) : rows(texts), selected(chosen) {}
    int Count() const override { return static_cast<int>(rows.size()); }
    std::string TextOf(int row) const override { return rows.at(row); }
    bool IsSelected(int row) const override { return selected.count(row) > 0; }
    void Select(int row) override { selected.insert(row); }
    std::vector<std::string> rows;
    std::set<int> selected;
};

TEST(Selection, TheLastSavedBackgroundAndTheSettingsComeBackAndNoneSavesNoBackground) {
    const std::vector<std::string> foregrounds = {"Quotes", "News", "Jokes"}, backgrounds = {"None", "Sky", "Sea"};
    test::MemoryProfile store;
    SettingsRecord settings;
    SaveSelection(store, FakeList(foregrounds, {0, 1, 2}), FakeList(backgrounds, {1}), settings);
    settings.Speed = 4;
    EXPECT_EQ(SaveSelection(store, FakeList(foregrounds, {1}), FakeList(backgrounds, {2}), settings), "Sea");
    EXPECT_EQ((store.values[{"Main", "ForegroundSelected2"}]), "Jokes") << "left behind from the longer selection";

    SettingsRecord loaded;
    EXPECT_EQ(LoadSelection(store, loaded), "Sea");
    EXPECT_EQ(loaded.Speed, 4);

    for (const std::set<int>& none : {std::set<int>{0}, std::set<int>{}}) {
        store.values[{"Main", "SelectedBackground"}] = "Sky";
        EXPECT_EQ(SaveSelection(store, FakeList(foregrounds, {}), FakeList(backgrounds, none), settings), "");
        EXPECT_EQ(LoadSelection(store, loaded), "") << "\"None\" or no row saves no background";
    }
}

TEST(Selection, EverySavedNameStillListedIsSelectedAgainInOneReadWhateverTheCountSays) {
    // Four were saved, the first of which has gone; the fourth key was written by hand.
    test::MemoryProfile store;
    store.values = {{{"Main", "ForegroundSelected0"}, "Gone"},
                    {{"Main", "ForegroundSelected1"}, "Jokes"},
                    {{"Main", "ForegroundSelected2"}, "Quotes"},
                    {{"Main", "foregroundselected3"}, "News"}};
    const std::pair<const char*, std::set<int>> cases[] = {
        {"0", {}}, {"2", {2}}, {"3", {0, 2}}, {"4", {0, 1, 2}}, {"100000", {0, 1, 2}}};
    for (const auto& [count, selected] : cases) {
        SCOPED_TRACE(count);
        store.values[{"Main", "NumForegroundsSelected"}] = count;
        store.stringReads = store.sectionReads = 0;
        FakeList restored({"Quotes", "News", "Jokes"}, {});
        RestoreForegroundSelection(store, restored);
        EXPECT_EQ(restored.selected, selected);
        EXPECT_EQ(store.stringReads, 0) << "names read key by key";
        EXPECT_EQ(store.sectionReads, 1);
    }
}

} // namespace
} // namespace bndx
