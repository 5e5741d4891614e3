// Dialogs built from the programs' templates, modal or modeless: the object is bound to its
// window while the window exists, and the window's messages reach its virtual handlers.
#pragma once

#include "platform/framework/data_exchange.h"

#include <windows.h>

#include <exception>

namespace bndx {

class Dialog {
public:
    explicit Dialog(UINT templateId) : templateId_(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog until it ends and returns what it ended with. An exception thrown by a
    // handler ends the dialog and is thrown again from here, never through the system's code.
    INT_PTR DoModal(HWND owner = nullptr);
    // Makes the dialog's window modeless; false when the window could not be made.
    bool Create(HWND owner = nullptr);
    void DestroyWindow();
    void EndDialog(INT_PTR result);

    HWND Handle() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    // Moves values between the controls and the members, into the members when save is set;
    // false when a value was refused (the user has been told and the control has the focus).
    bool UpdateData(bool save);

protected:
    // Called when the window and its controls exist; true lets the system set the focus.
    // The default shows the members in the controls.
    virtual bool OnInitDialog();
    // Called for a command from a control, menu or accelerator; true when handled. The default
    // sends IDOK to OnOK and IDCANCEL (Esc, the close box) to OnCancel.
    virtual bool OnCommand(int id, int notifyCode, HWND control);
    // Called for OK: takes the controls' values, then ends the dialog with IDOK.
    virtual void OnOK();
    // Called for Cancel: ends the dialog with IDCANCEL, the controls' values untaken.
    virtual void OnCancel();
    // Called to list the bindings between controls and members.
    virtual void DoDataExchange(DataExchange& dx);
    // Called for a notification from a control; true when handled, answer being what the
    // control is told back.
    virtual bool OnNotify(const NMHDR& header, LRESULT& answer);
    // Called when the client area took a new size.
    virtual void OnSize(int width, int height);
    // Called to draw an owner-drawn control; true when it was drawn.
    virtual bool OnDrawItem(int id, const DRAWITEMSTRUCT& item);
    // Called to draw what the dialog shows besides its controls over the whole client area, on
    // the screen and when it is printed. The default draws nothing.
    virtual void PaintContent(HDC dc, const RECT& client);
    // Called for every message before the handlers above; true when handled, result being
    // what the dialog procedure returns for it.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void FillFromInitialData();

    UINT templateId_;
    HWND window_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = IDCANCEL;
    std::exception_ptr escaped_;
};

} // namespace bndx
