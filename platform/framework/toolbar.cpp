#include "platform/framework/toolbar.h"

#include "platform/framework/framework_ids.h"
#include "platform/framework/program.h"

#include <commctrl.h>

#include <cstring>
#include <string>

namespace bndx {

namespace {

constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 15;

// The toolbar resource: a count, then that many command ids, 0 for a separator.
std::vector<UINT> LoadToolbarIds(UINT resourceId) {
    std::vector<UINT> ids;
    const HINSTANCE instance = ProgramInstance();
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(RT_TOOLBAR_IDS));
    if (!found)
        return ids;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
    const DWORD size = SizeofResource(instance, found);
    if (!data || size < sizeof(WORD))
        return ids;
    WORD count = 0;
    std::memcpy(&count, data, sizeof count);
    for (DWORD n = 0; n < count && (n + 2) * sizeof(WORD) <= size; ++n) {
        WORD id = 0;
        std::memcpy(&id, data + (n + 1) * sizeof(WORD), sizeof id);
        ids.push_back(id);
    }
    return ids;
}

} // namespace

std::string CommandTooltip(UINT command) {
    const std::string prompt = LoadProgramString(command);
    const size_t newline = prompt.find('\n');
    return newline == std::string::npos ? std::string() : prompt.substr(newline + 1);
}

std::string CommandPrompt(UINT command) {
    const std::string prompt = LoadProgramString(command);
    return prompt.substr(0, prompt.find('\n'));
}

bool Toolbar::Create(HWND parent, UINT id, UINT resourceId) {
    commands_ = LoadToolbarIds(resourceId);
    if (commands_.empty())
        return false;
    window_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                              WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_TOP, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ProgramInstance(), nullptr);
    if (!window_)
        return false;
    SendMessageA(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(window_, TB_SETBITMAPSIZE, 0, MAKELPARAM(kButtonWidth, kButtonHeight));
    int images = 0;
    for (UINT command : commands_)
        images += command != 0 ? 1 : 0;
    TBADDBITMAP bitmap{ProgramInstance(), resourceId};
    if (SendMessageA(window_, TB_ADDBITMAP, static_cast<WPARAM>(images), reinterpret_cast<LPARAM>(&bitmap)) < 0)
        return false;
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (UINT command : commands_) {
        TBBUTTON button{};
        if (command == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = image++;
            button.idCommand = static_cast<int>(command);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        buttons.push_back(button);
    }
    SendMessageA(window_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(window_, TB_AUTOSIZE, 0, 0);
    return true;
}

void Toolbar::Enable(UINT command, bool enable) const {
    const bool enabled = SendMessageA(window_, TB_ISBUTTONENABLED, command, 0) != 0;
    if (enabled != enable)
        SendMessageA(window_, TB_ENABLEBUTTON, command, MAKELPARAM(enable, 0));
}

} // namespace bndx
