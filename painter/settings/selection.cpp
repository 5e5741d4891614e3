#include "painter/settings/selection.h"

#include "painter/settings/settings_keys.h"

#include <algorithm>

namespace bndx {

std::string LoadSelection(ProfileStore& store, SettingsRecord& settings) {
    std::string background = store.ReadString(keys::kMain, keys::kSelectedBackground, "");
    settings.LoadSettings(store);
    return background;
}

void RestoreForegroundSelection(ProfileStore& store, SelectionList& foregrounds) {
    // No more names can have been saved than there are foregrounds: a larger count, which only a
    // hand-edited file holds, would cost a read of the file for each.
    const int32_t saved = std::min(store.ReadInt(keys::kMain, keys::kNumForegroundsSelected, 0), foregrounds.Count());
    for (int32_t n = 0; n < saved; ++n) {
        const std::string name = store.ReadString(keys::kMain, keys::ForegroundSelected(n).c_str(), "");
        for (int row = 0; row < foregrounds.Count(); ++row) {
            if (foregrounds.TextOf(row) == name)
                foregrounds.Select(row);
        }
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
