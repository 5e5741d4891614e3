#include "painter/app/list_refresh.h"

#include "painter/sources/source_entry.h"

#include <set>
#include <string>

namespace bndx {

namespace {

using Entries = std::set<const CSourceEntry*>;

const CSourceEntry* EntryOf(ListBox list, int row) {
    return reinterpret_cast<const CSourceEntry*>(list.ItemData(row));
}

Entries Chosen(ListBox list, bool several) {
    Entries chosen;
    for (int row = 0; row < list.Count(); ++row) {
        if (several ? list.IsSelected(row) : list.CurrentRow() == row)
            chosen.insert(EntryOf(list, row));
    }
    return chosen;
}

bool Refill(ListBox list, bool several, const std::function<void()>& fill) {
    const Entries before = Chosen(list, several);
    const auto top = list.TopRow();
    fill();
    Entries listed;
    for (int row = 0; row < list.Count(); ++row)
        listed.insert(EntryOf(list, row));
    std::set<std::string> handedOn;
    for (const CSourceEntry* entry : before) {
        if (entry && !listed.count(entry))
            handedOn.insert(entry->Description);
    }
    bool first = true;
    for (int row = 0; row < list.Count(); ++row) {
        const CSourceEntry* entry = EntryOf(list, row);
        if (!before.count(entry) && !(entry && handedOn.count(entry->Description)))
            continue;
        if (several)
            list.SetSelected(row, true);
        else if (first)
            list.SetCurrentRow(row);
        first = false;
    }
    list.SetTopRow(top);
    return Chosen(list, several) != before;
}

} // namespace

bool RefillForegroundList(ListBox list, const std::function<void()>& fill) {
    return Refill(list, true, fill);
}

bool RefillBackgroundList(ListBox list, const std::function<void()>& fill) {
    return Refill(list, false, fill);
}

} // namespace bndx
