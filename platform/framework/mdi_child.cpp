#include "platform/framework/mdi_child.h"

#include "platform/framework/doc_template.h"
#include "platform/framework/document.h"
#include "platform/framework/mdi_frame.h"
#include "platform/framework/program.h"
#include "platform/framework/view.h"

namespace bndx {

namespace {

constexpr char kChildClass[] = "BndxMdiChild";

} // namespace

void DestroyChildFrame(HWND frame) {
    SendMessageA(GetParent(frame), WM_MDIDESTROY, reinterpret_cast<WPARAM>(frame), 0);
}

MdiChild::MdiChild() = default;

MdiChild::~MdiChild() = default;

Document* MdiChild::GetDocument() const {
    return view_ ? view_->GetDocument() : nullptr;
}

bool MdiChild::Create(MdiFrame& frame, DocTemplate& docTemplate, std::unique_ptr<View> view) {
    frame_ = &frame;
    template_ = &docTemplate;
    view_ = std::move(view);
    RegisterClass(kChildClass, docTemplate.Icon(), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    MDICREATESTRUCTA create{};
    create.szClass = kChildClass;
    create.szTitle = "";
    create.hOwner = ProgramInstance();
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW;
    create.lParam = reinterpret_cast<LPARAM>(this);
    PreCreateWindow(create);
    creating_ = true;
    SendMessageA(frame.Client(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
    creating_ = false;
    return Handle() != nullptr && view_->Handle() != nullptr;
}

void MdiChild::InitialUpdate() {
    view_->OnInitialUpdate();
    SendMessageA(frame_->Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
    SetFocus(view_->Handle());
}

LRESULT MdiChild::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        // The window class is shared by every kind of document; each frame shows its own icon.
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(template_->Icon()));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(template_->Icon()));
        if (!view_->Create(Handle()))
            return -1;
        break;
    case WM_SIZE: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        if (view_ && view_->Handle())
            MoveWindow(view_->Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return result;
    }
    case WM_SETFOCUS:
        if (view_ && view_->Handle())
            SetFocus(view_->Handle());
        return 0;
    case WM_MDIACTIVATE:
        if (reinterpret_cast<HWND>(lParam) == Handle())
            frame_->OnChildActivated(this);
        else if (!lParam)
            frame_->OnChildActivated(nullptr);
        break;
    case WM_CLOSE: {
        Document* document = GetDocument();
        if (document && !document->CanCloseFrame(Handle()))
            return 0;
        // The last frame takes its document along; any other frame goes alone.
        if (document && document->Views().size() == 1)
            document->OnCloseDocument();
        else
            DestroyChildFrame(Handle());
        return 0;
    }
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT MdiChild::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(Handle(), message, wParam, lParam);
}

void MdiChild::OnWindowGone() {
    if (!creating_)
        delete this;
}

} // namespace bndx
