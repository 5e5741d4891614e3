// The main window's lists filled again while Banderix runs, when a data folder has changed: what
// the user chose stays chosen and the rows in view stay in view.
#pragma once

#include "platform/framework/controls.h"

#include <functional>

namespace bndx {

// Fills the foreground list (several rows chosen) or the background list (one row chosen) again
// with fill. An entry chosen before is chosen again; one no longer listed, because a file of the
// user's own took its description, hands its choice to the row of that description. True when
// the chosen entries differ from before, so that the painting must follow.
bool RefillForegroundList(ListBox list, const std::function<void()>& fill);
bool RefillBackgroundList(ListBox list, const std::function<void()>& fill);

} // namespace bndx
