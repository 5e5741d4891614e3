#include "painter/settings/selection.h"
#include "tests/host/settings/fake_profile_store.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace bndx {
namespace {

using test::FakeProfileStore;

class FakeList : public SelectionList {
public:
    FakeList(std::vector<std::string> rows, std::vector<int> selected) : rows_(std::move(rows)) {
        for (int row : selected)
            Select(row);
    }
    int Count() const override { return static_cast<int>(rows_.size()); }
    std::string TextOf(int row) const override { return rows_.at(row); }
    bool IsSelected(int row) const override { return selected_.count(row) > 0; }
    void Select(int row) override { selected_.insert(row); }
    std::set<int> Selected() const { return selected_; }

private:
    std::vector<std::string> rows_;
    std::set<int> selected_;
};

const std::vector<std::string> kForegrounds = {"Quotes", "News", "Jokes"};
const std::vector<std::string> kBackgrounds = {"", "Sky", "Sea"}; // row 0 is "None"

TEST(Selection, TheLastSavedSelectionAndTheSettingsComeBackAtTheNextStart) {
    FakeProfileStore store;
    SettingsRecord settings;
    SaveSelection(store, FakeList(kForegrounds, {0, 1, 2}), FakeList(kBackgrounds, {1}), settings);
    settings.Speed = 4;
    EXPECT_EQ(SaveSelection(store, FakeList(kForegrounds, {1}), FakeList(kBackgrounds, {2}), settings), "Sea");
    EXPECT_EQ(store.At("Main", "NumForegroundsSelected"), "1");
    EXPECT_EQ(store.At("Main", "ForegroundSelected2"), "Jokes") << "left behind from the longer selection";

    SettingsRecord loaded;
    EXPECT_EQ(LoadSelection(store, loaded), "Sea");
    EXPECT_EQ(loaded.Speed, 4);
    FakeList restarted(kForegrounds, {2});
    RestoreForegroundSelection(store, restarted);
    EXPECT_EQ(restarted.Selected(), (std::set<int>{1, 2})) << "only the counted name; nothing deselected";

    FakeProfileStore empty;
    EXPECT_EQ(LoadSelection(empty, loaded), "");
    FakeList untouched(kForegrounds, {});
    RestoreForegroundSelection(empty, untouched);
    EXPECT_TRUE(untouched.Selected().empty());
}

TEST(Selection, NoneOrNoRowSavesAnEmptyBackground) {
    for (const auto& selected : {std::vector<int>{0}, std::vector<int>{}}) {
        FakeProfileStore store;
        store.values[{"Main", "SelectedBackground"}] = "Sky";
        EXPECT_EQ(SaveSelection(store, FakeList(kForegrounds, {}), FakeList(kBackgrounds, selected), SettingsRecord()),
                  "");
        EXPECT_EQ(store.At("Main", "SelectedBackground"), "");
    }
}

TEST(Selection, NamesMatchExactlyAndSelectEveryEqualEntry) {
    FakeProfileStore store;
    store.values = {
        {{"Main", "NumForegroundsSelected"}, "3"},
        {{"Main", "ForegroundSelected0"}, "News"},
        {{"Main", "ForegroundSelected1"}, "quotes"},
        {{"Main", "ForegroundSelected2"}, "Gone"},
    };
    FakeList foregrounds({"News", "Quotes", "News ", "News"}, {});
    RestoreForegroundSelection(store, foregrounds);
    EXPECT_EQ(foregrounds.Selected(), (std::set<int>{0, 3})) << "not Quotes (case) nor 'News ' (trailing blank)";
}

} // namespace
} // namespace bndx
