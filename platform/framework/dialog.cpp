#include "platform/framework/dialog.h"

#include "platform/framework/message_box.h"
#include "platform/framework/program.h"

#include <cstring>
#include <utility>

namespace bndx {

Dialog::~Dialog() {
    DestroyWindow();
}

// The modal loop is our own rather than the system's: a dialog whose template makes it visible
// is shown once, at creation, and never again behind its back, so that it may hide itself
// while it runs (the system's loop shows it again when the queue first goes empty). A dialog
// made invisible is shown when the queue first goes empty, as the system does.
INT_PTR Dialog::DoModal(HWND owner) {
    escaped_ = nullptr;
    ended_ = false;
    result_ = IDCANCEL;
    modal_ = true;
    CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    if (!window_) {
        modal_ = false;
        if (escaped_)
            std::rethrow_exception(std::exchange(escaped_, nullptr));
        return -1;
    }
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    bool showWhenIdle = !(GetWindowLongPtrA(window_, GWL_STYLE) & WS_VISIBLE);
    MSG message;
    while (!ended_) {
        if (showWhenIdle && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            ShowWindow(window_, SW_SHOWNORMAL);
            UpdateWindow(window_);
            showWhenIdle = false;
        }
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam)); // for the loop outside
            break;
        }
        if (!IsDialogMessageA(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    // The owner is enabled first so that it, not some other program, is activated next.
    if (disableOwner)
        EnableWindow(owner, TRUE);
    if (window_)
        ::DestroyWindow(window_);
    modal_ = false;
    if (escaped_)
        std::rethrow_exception(std::exchange(escaped_, nullptr));
    return result_;
}

bool Dialog::Create(HWND owner) {
    modal_ = false;
    CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    return window_ != nullptr;
}

void Dialog::DestroyWindow() {
    if (window_)
        ::DestroyWindow(window_);
}

void Dialog::EndDialog(INT_PTR result) {
    if (modal_) {
        result_ = result;
        ended_ = true;
    } else {
        DestroyWindow();
    }
}

bool Dialog::UpdateData(bool save) {
    DataExchange dx(window_, save);
    DoDataExchange(dx);
    return dx.Succeeded();
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

bool Dialog::OnCommand(int id, int, HWND) {
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

void Dialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnNotify(const NMHDR&, LRESULT&) {
    return false;
}

void Dialog::OnSize(int, int) {}

bool Dialog::OnDrawItem(int, const DRAWITEMSTRUCT&) {
    return false;
}

void Dialog::PaintContent(HDC, const RECT&) {}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

// The template's initial data: records of { WORD control; WORD message; DWORD size; size bytes }
// ended by a zero control id, each sent to its control as (0, data) before anything else runs.
// The combo boxes get their fixed items this way.
void Dialog::FillFromInitialData() {
    const LPCSTR kInitialDataType = MAKEINTRESOURCEA(240);
    const HINSTANCE instance = ProgramInstance();
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(templateId_), kInitialDataType);
    if (!found)
        return;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
    const DWORD size = SizeofResource(instance, found);
    if (!data)
        return;
    DWORD at = 0;
    while (at + sizeof(WORD) <= size) {
        WORD control = 0;
        std::memcpy(&control, data + at, sizeof control);
        if (control == 0 || at + 8 > size)
            return;
        WORD message = 0;
        DWORD length = 0;
        std::memcpy(&message, data + at + 2, sizeof message);
        std::memcpy(&length, data + at + 4, sizeof length);
        at += 8;
        if (length > size - at)
            return;
        // Only strings that end inside their record are passed on.
        if (length > 0 && data[at + length - 1] == 0)
            SendDlgItemMessageA(window_, control, message, 0, reinterpret_cast<LPARAM>(data + at));
        at += length;
    }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    if (OnMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_INITDIALOG:
        FillFromInitialData();
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: {
        LRESULT answer = 0;
        if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), answer))
            return FALSE;
        // A dialog procedure's own return value only says the message was handled.
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, answer);
        return TRUE;
    }
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    case WM_DRAWITEM:
        return OnDrawItem(static_cast<int>(wParam), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        RECT client;
        GetClientRect(window_, &client);
        PaintContent(dc, client);
        EndPaint(window_, &paint);
        return TRUE;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(window_, &client);
        PaintContent(reinterpret_cast<HDC>(wParam), client);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->window_ = window;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self)
        return FALSE;
    INT_PTR result = FALSE;
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // Unwinding must not cross the system's frames: end the dialog and let DoModal throw.
        if (self->modal_) {
            if (!self->escaped_)
                self->escaped_ = std::current_exception();
            self->EndDialog(IDABORT);
        } else {
            // A modeless dialog (a form in its frame) has nobody to throw to: the user is told
            // and the form stays, so that its document can still be saved.
            ShowMessageBox("An unexpected error has occurred.", ProgramName().c_str(), MB_OK | MB_ICONSTOP);
        }
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
    }
    return result;
}

} // namespace bndx
