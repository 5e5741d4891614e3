// A view shows a document inside a child frame. Form views are child dialogs built from a
// template, bound to their controls with data exchange like any dialog.
#pragma once

#include "platform/framework/command_target.h"
#include "platform/framework/dialog.h"

namespace bndx {

class Document;

class View : public CommandTarget {
public:
    View() = default;
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    Document* GetDocument() const { return document_; }
    void AttachTo(Document& document);

    // Makes the view's window as the frame's only child; false when it could not be made.
    virtual bool Create(HWND frame) = 0;
    virtual HWND Handle() const = 0;

    // Called once, when the frame first shows the document.
    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0); }
    // Called when the document changed.
    virtual void OnUpdate(View* sender, LPARAM hint) {
        (void)sender;
        (void)hint;
    }
    // Draws the view for printing and preview onto a page of the given size (device units).
    // The default draws the window and its controls as they show on the screen, each painting
    // itself (WM_PRINTCLIENT), scaled to the page's width.
    virtual void OnPrint(HDC dc, const RECT& page);

    // Print, Print Direct and Print Preview of this view.
    bool HasCommand(UINT id, bool& enabled) override;
    bool RunCommand(UINT id) override;

private:
    Document* document_ = nullptr;
};

class FormView : public View, public Dialog {
public:
    explicit FormView(UINT templateId) : Dialog(templateId) {}

    // The form fills its frame, whatever the template says of its visibility.
    bool Create(HWND frame) override {
        if (!Dialog::Create(frame))
            return false;
        ShowWindow(Handle(), SW_SHOW);
        return true;
    }
    HWND Handle() const override { return Dialog::Handle(); }

protected:
    // A form has no OK or Cancel: Enter and Esc must not end the view.
    void OnOK() override {}
    void OnCancel() override {}

    // The control's rectangle in the form's client coordinates; empty when there is no such control.
    RECT ControlRect(int id) const;
    // Moves the control to a rectangle in the form's client coordinates without repainting: the
    // form is repainted once, after all its controls moved.
    void MoveControl(int id, const RECT& rect) const;
};

} // namespace bndx
