// A hint the user can silence for good: a text from the program's strings and a check box "Do
// not show this dialog again", remembered per hint in the program's profile.
#pragma once

#include "platform/framework/profile_store.h"
#include "platform/framework/dialog.h"

#include <cstdint>
#include <string>

namespace bndx {

class COneTimeDlg : public Dialog {
public:
    // The hint text is the program's string stringId (its low 16 bits); suppress is the box's
    // state when the dialog opens. The choice is kept in profile.
    COneTimeDlg(uint32_t stringId, int32_t suppress, HWND parent, ProfileStore& profile);

    // Shows the hint unless it has been silenced; whichever way the dialog closes, the box's
    // state as taken on OK (or the initial state otherwise) is written back.
    void ShowHint(uint32_t hintId);

protected:
    void DoDataExchange(DataExchange& dx) override;

private:
    std::string hintText_;
    int32_t suppress_;
    HWND parent_;
    ProfileStore& profile_;
};

} // namespace bndx
