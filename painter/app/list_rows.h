// The main window's two lists as the saved selection sees them: rows named by their entries'
// descriptions. The background list keeps no text, so its rows are named from their entries,
// and its row 0, "None", has no entry and no name.
#pragma once

#include "painter/settings/selection.h"
#include "painter/sources/source_entry.h"
#include "platform/framework/controls.h"

namespace bndx {

class ForegroundRows : public SelectionList {
public:
    explicit ForegroundRows(ListBox list) : list_(list) {}
    int Count() const override { return list_.Count(); }
    std::string TextOf(int row) const override { return list_.Text(row); }
    bool IsSelected(int row) const override { return list_.IsSelected(row); }
    void Select(int row) override { list_.SetSelected(row, true); }

private:
    ListBox list_;
};

class BackgroundRows : public SelectionList {
public:
    explicit BackgroundRows(ListBox list) : list_(list) {}
    int Count() const override { return list_.Count(); }
    std::string TextOf(int row) const override {
        const auto* entry = reinterpret_cast<const CSourceEntry*>(list_.ItemData(row));
        return entry ? entry->Description : "";
    }
    bool IsSelected(int row) const override { return list_.CurrentRow() == row; }
    void Select(int row) override { list_.SetCurrentRow(row); }

private:
    ListBox list_;
};

} // namespace bndx
