// The program's icon in the taskbar's notification area. It is put back when the shell starts
// again (after a crash of the taskbar), as users expect of a program that lives there.
#pragma once

#include <windows.h>

namespace bndx {

class TrayIcon {
public:
    // Clicks on the icon reach owner as callbackMessage with the mouse message in lParam.
    TrayIcon(HWND owner, UINT callbackMessage, UINT iconId, const char* tip);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Add();
    void Remove();
    // True when the message tells that the taskbar was made anew; the icon is then added again.
    bool OnTaskbarCreated(UINT message);

private:
    HWND owner_;
    UINT callbackMessage_;
    UINT iconId_;
    const char* tip_;
    UINT taskbarCreated_;
    bool added_ = false;
};

} // namespace bndx
