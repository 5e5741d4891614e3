#include "painter/app/tray_icon.h"

#include "platform/framework/program.h"

#include <shellapi.h>

#include <cstring>

namespace bndx {

namespace {

constexpr UINT kIconId = 0;

static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88, "the first version of the tray record");

// The first version of the record: every shell understands it, and it is all we fill.
NOTIFYICONDATAA Record(HWND owner) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = owner;
    record.uID = kIconId;
    return record;
}

} // namespace

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage, UINT iconId, const char* tip)
    : owner_(owner), callbackMessage_(callbackMessage), iconId_(iconId), tip_(tip),
      taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {}

TrayIcon::~TrayIcon() {
    Remove();
}

void TrayIcon::Add() {
    NOTIFYICONDATAA record = Record(owner_);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = callbackMessage_;
    // Shared by the system with every other load of it: never destroyed by us.
    record.hIcon = LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(iconId_));
    lstrcpynA(record.szTip, tip_, 64);
    added_ = Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
}

void TrayIcon::Remove() {
    if (!added_)
        return;
    NOTIFYICONDATAA record = Record(owner_);
    Shell_NotifyIconA(NIM_DELETE, &record);
    added_ = false;
}

bool TrayIcon::OnTaskbarCreated(UINT message) {
    if (message != taskbarCreated_ || taskbarCreated_ == 0)
        return false;
    Add();
    return true;
}

} // namespace bndx
