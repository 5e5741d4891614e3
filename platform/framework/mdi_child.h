// A child frame inside the main frame's client area, holding one view of a document. It owns
// its view and deletes itself when its window goes; closing the last frame of a document closes
// the document, after asking to save it.
#pragma once

#include "platform/framework/command_target.h"
#include "platform/framework/window.h"

#include <memory>

namespace bndx {

class DocTemplate;
class Document;
class MdiFrame;
class View;

// Closes a child frame through its client window, which keeps the Window menu and the
// activation in order.
void DestroyChildFrame(HWND frame);

class MdiChild : public Window, public CommandTarget {
public:
    MdiChild();
    ~MdiChild() override;

    // Makes the frame and its view; on false the caller deletes the frame.
    bool Create(MdiFrame& frame, DocTemplate& docTemplate, std::unique_ptr<View> view);
    // Shows the document in the view for the first time and activates the frame.
    void InitialUpdate();

    View* GetView() const { return view_.get(); }
    Document* GetDocument() const;
    DocTemplate& Template() const { return *template_; }

protected:
    // Called before the window is made, to change its creation record (its size, say).
    virtual void PreCreateWindow(MDICREATESTRUCTA& create) { (void)create; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowGone() override;

private:
    MdiFrame* frame_ = nullptr;
    DocTemplate* template_ = nullptr;
    std::unique_ptr<View> view_;
    bool creating_ = false;
};

} // namespace bndx
