#include "platform/framework/status_bar.h"

#include "platform/framework/framework_ids.h"
#include "platform/framework/program.h"
#include "platform/framework/scoped_gdi.h"

#include <commctrl.h>

namespace bndx {

namespace {

constexpr int kPanePadding = 12;

int KeyOf(UINT indicator) {
    switch (indicator) {
    case ID_INDICATOR_CAPS:
        return VK_CAPITAL;
    case ID_INDICATOR_NUM:
        return VK_NUMLOCK;
    case ID_INDICATOR_SCRL:
        return VK_SCROLL;
    default:
        return 0;
    }
}

} // namespace

bool StatusBar::Create(HWND parent, UINT id, const std::vector<UINT>& indicators) {
    window_ = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ProgramInstance(), nullptr);
    if (!window_)
        return false;
    const ClientDc client(window_);
    const HDC dc = client.Get();
    const ScopedSelect font(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window_, WM_GETFONT, 0, 0)));
    bool loaded = true;
    for (UINT indicator : indicators) {
        char text[64] = {};
        if (indicator != 0 && !LoadStringA(ProgramInstance(), indicator, text, sizeof text)) {
            loaded = false;
            break;
        }
        SIZE size{};
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
        panes_.push_back(Pane{indicator, text, size.cx + kPanePadding});
    }
    if (!loaded)
        return false;
    Layout();
    return true;
}

void StatusBar::SetMessage(const std::string& text) const {
    SendMessageA(window_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBar::Layout() const {
    SendMessageA(window_, WM_SIZE, 0, 0);
    if (panes_.empty())
        return;
    RECT bar;
    GetClientRect(window_, &bar);
    // From the right: each indicator its text's width (the last one also the size grip's), the
    // message pane what is left.
    std::vector<int> edges(panes_.size());
    int edge = bar.right - GetSystemMetrics(SM_CXVSCROLL);
    for (size_t n = panes_.size(); n-- > 1;) {
        edges[n] = edge;
        edge -= panes_[n].width;
    }
    edges[0] = edge;
    edges.back() = -1;
    SendMessageA(window_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::UpdateIndicators() const {
    for (size_t n = 1; n < panes_.size(); ++n) {
        const int key = KeyOf(panes_[n].id);
        const bool on = key && (GetKeyState(key) & 1);
        char shown[64] = {};
        SendMessageA(window_, SB_GETTEXTA, n, reinterpret_cast<LPARAM>(shown));
        const std::string wanted = on ? panes_[n].text : "";
        if (wanted != shown)
            SendMessageA(window_, SB_SETTEXTA, n, reinterpret_cast<LPARAM>(wanted.c_str()));
    }
}

} // namespace bndx
