// The user's choice in the main window, kept in the settings file: the selected foregrounds
// and the selected background, by their descriptions compared byte for byte.
#pragma once

#include "platform/framework/profile_store.h"
#include "painter/settings/settings_record.h"

#include <string>

namespace bndx {

// A list box of the main window, row by row. A row's text is its entry's Description; the
// background list's row 0 stands for "None".
class SelectionList {
public:
    virtual ~SelectionList() = default;
    virtual int Count() const = 0;
    virtual std::string TextOf(int row) const = 0;
    virtual bool IsSelected(int row) const = 0;
    virtual void Select(int row) = 0;
};

// The saved background name (empty for "None"); then every setting is loaded.
std::string LoadSelection(ProfileStore& store, SettingsRecord& settings);

// Selects every foreground row whose text equals one of the saved names, however many of the
// names no longer match a row. Nothing is deselected, and names saved beyond the saved count
// are never looked at.
void RestoreForegroundSelection(ProfileStore& store, SelectionList& foregrounds);

// Writes the selection of both lists, then every setting. Returns the saved background name.
// Names saved earlier beyond the new count stay in the file unread.
std::string SaveSelection(ProfileStore& store, const SelectionList& foregrounds, const SelectionList& backgrounds,
                          const SettingsRecord& settings);

} // namespace bndx
