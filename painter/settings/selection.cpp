#include "painter/settings/selection.h"

#include "painter/settings/settings_keys.h"

#include <map>
#include <set>

namespace bndx {

namespace {

// The n of a "ForegroundSelected<n>" key, in any letter case as the profile functions match
// keys; -1 for any other key.
int32_t SelectedNumberOf(const std::string& key) {
    constexpr size_t kPrefixLength = sizeof "ForegroundSelected" - 1;
    constexpr size_t kMostDigits = 9;
    if (key.size() <= kPrefixLength || key.size() > kPrefixLength + kMostDigits ||
        key.find_first_not_of("0123456789", kPrefixLength) != std::string::npos)
        return -1;
    const int32_t n = std::stoi(key.substr(kPrefixLength));
    return SameProfileKey(key, keys::ForegroundSelected(n)) ? n : -1;
}

} // namespace

std::string LoadSelection(ProfileStore& store, SettingsRecord& settings) {
    std::string background = store.ReadString(keys::kMain, keys::kSelectedBackground, "");
    settings.LoadSettings(store);
    return background;
}

void RestoreForegroundSelection(ProfileStore& store, SelectionList& foregrounds) {
    // The names come from one read of the section, so a count far above the names saved, which
    // only a hand-edited file holds, costs nothing.
    const int32_t saved = store.ReadInt(keys::kMain, keys::kNumForegroundsSelected, 0);
    std::map<int32_t, std::string> byNumber;
    for (ProfileEntry& entry : store.ReadSection(keys::kMain)) {
        const int32_t n = SelectedNumberOf(entry.key);
        if (n >= 0 && n < saved)
            byNumber.emplace(n, std::move(entry.value)); // a key written twice reads as its first
    }
    std::set<std::string> names;
    for (auto& [n, name] : byNumber)
        names.insert(std::move(name));
    for (int row = 0; row < foregrounds.Count(); ++row) {
        if (names.count(foregrounds.TextOf(row)))
            foregrounds.Select(row);
    }
}

std::string SaveSelection(ProfileStore& store, const SelectionList& foregrounds, const SelectionList& backgrounds,
                          const SettingsRecord& settings) {
    std::string background;
    for (int row = 1; row < backgrounds.Count(); ++row) {
        if (backgrounds.IsSelected(row)) {
            background = backgrounds.TextOf(row);
            break;
        }
    }
    store.WriteString(keys::kMain, keys::kSelectedBackground, background);

    int32_t selected = 0;
    for (int row = 0; row < foregrounds.Count(); ++row) {
        if (foregrounds.IsSelected(row))
            store.WriteString(keys::kMain, keys::ForegroundSelected(selected++).c_str(), foregrounds.TextOf(row));
    }
    store.WriteInt(keys::kMain, keys::kNumForegroundsSelected, selected);

    settings.SaveSettings(store);
    return background;
}

} // namespace bndx
