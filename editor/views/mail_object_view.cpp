#include "editor/views/mail_object_view.h"

#include "common/ui/help.h"
#include "editor/export/mail_system.h"
#include "editor/export/message_program.h"
#include "editor/export/program_export.h"
#include "platform/framework/file_dialogs.h"
#include "platform/framework/message_box.h"
#include "platform/framework/framework_ids.h"
#include "resources/editor/resource.h"

namespace bndx {

namespace {

constexpr char kHelpFile[] = "Bandsmith.HLP";
constexpr ULONG_PTR kMailMessageHelpTopic = 14;

// The message block holds 511 characters and a NUL; the field admits one more, which the
// program export cuts off rather than refusing what the user could type.
constexpr int kMessageFieldLimit = 512;

constexpr char kNoNonSpace[] =
    "Mail Message must have at least one 'non-space' character.  Modify message and try again.";
constexpr char kOfferToSave[] =
    "This feature requires you to have a MAPI compliant mail system installed which we cannot detect.  You can "
    "optionally save this Banderix Mail Message as an EXE file and attach it to an email in whatever mail system "
    "you choose.  Would you like to save Banderix Mail Message as an EXE file?";
constexpr char kProgramFilter[] = "EXE Files (*.exe)|*.exe|";

class WaitCursor {
public:
    WaitCursor() : before_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(before_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR before_;
};

bool IsTextField(int id) {
    return id == IDC_MAIL_ADDRESS || id == IDC_MAIL_MESSAGE || id == IDC_MAIL_NAME || id == IDC_MAIL_SUBJECT;
}

// The control's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND control) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void MoveTo(HWND control, const RECT& place) {
    MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
}

} // namespace

const RuntimeClass<View> CMailObjectView::Class{"CMailObjectView", []() -> View* { return new CMailObjectView; }};

CMailObjectView::CMailObjectView() : FormView(IDD_MAILOBJECT_FORM) {}

void CMailObjectView::DoDataExchange(DataExchange& dx) {
    FormView::DoDataExchange(dx);
    const bool wasFilling = filling_;
    filling_ = !dx.Saving();
    dx.Text(IDC_MAIL_NAME, texts_.Name);
    dx.Text(IDC_MAIL_SUBJECT, texts_.Subject);
    dx.Text(IDC_MAIL_MESSAGE, texts_.Message, kMessageFieldLimit);
    dx.Text(IDC_MAIL_ADDRESS, texts_.Address);
    filling_ = wasFilling;
}

bool CMailObjectView::HasCommand(UINT id, bool& enabled) {
    if (id == ID_HELP_CONTENTS) {
        enabled = true;
        return true;
    }
    // The message's texts live in its one form; a second window could not show the same edits.
    if (id == ID_WINDOW_NEW) {
        enabled = false;
        return true;
    }
    return FormView::HasCommand(id, enabled);
}

bool CMailObjectView::RunCommand(UINT id) {
    if (id == ID_HELP_CONTENTS) {
        ShowHelp(GetAncestor(Handle(), GA_ROOT), kHelpFile, kHelpContext, kMailMessageHelpTopic);
        return true;
    }
    return FormView::RunCommand(id);
}

bool CMailObjectView::OnCommand(int id, int notifyCode, HWND control) {
    if (notifyCode == EN_CHANGE && IsTextField(id)) {
        // The texts reach the members only when they are used; a change just needs saving.
        if (!filling_ && GetDocument())
            GetDocument()->SetModifiedFlag(true);
        return true;
    }
    if (notifyCode == BN_CLICKED && id == IDC_MAIL_TEST) {
        OnTest();
        return true;
    }
    if (notifyCode == BN_CLICKED && id == IDC_MAIL_SEND) {
        OnMail();
        return true;
    }
    return FormView::OnCommand(id, notifyCode, control);
}

bool CMailObjectView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    default:
        break;
    }
    return FormView::OnMessage(message, wParam, lParam, result);
}

bool CMailObjectView::TakeMessage() {
    if (!UpdateData(true))
        return false;
    texts_.Message = TrimMessage(texts_.Message);
    if (texts_.Message.empty()) {
        ShowProgramMessageBox(kNoNonSpace, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

void CMailObjectView::OnTest() {
    if (!TakeMessage())
        return;
    const std::string program = WriteMessageProgram(texts_.Message);
    if (!program.empty() && !StartProgram(program))
        ShowProgramMessageBox("Unable to start " + program + ".", MB_OK | MB_ICONEXCLAMATION);
}

void CMailObjectView::OnMail() {
    if (!TakeMessage())
        return;
    if (!MailSystemPresent()) {
        if (ShowProgramMessageBox(kOfferToSave, MB_YESNO | MB_ICONQUESTION) == IDYES)
            SaveAsProgram();
        return;
    }
    const WaitCursor wait;
    const std::string program = WriteMessageProgram(texts_.Message);
    if (!program.empty())
        MailMessageProgram(Handle(), texts_.Address, texts_.Subject, program);
}

void CMailObjectView::SaveAsProgram() {
    const std::string program = WriteMessageProgram(texts_.Message);
    if (program.empty())
        return;
    std::string chosen = ProposedProgramName(texts_.Name);
    if (!PromptForSaveFile(GetAncestor(Handle(), GA_ROOT), chosen, "EXE", kProgramFilter))
        return;
    if (!CopyFileA(program.c_str(), chosen.c_str(), FALSE))
        ShowProgramMessageBox("Unable to save " + chosen + ".", MB_OK | MB_ICONEXCLAMATION);
}

// The document keeps its texts in its first window only. When that window closes and others
// stay, the next one becomes first: it is given the texts, so that a later save still has them.
void CMailObjectView::OnDestroy() {
    Document* document = GetDocument();
    if (!document || document->FirstView() != this || document->Views().size() < 2)
        return;
    auto* next = dynamic_cast<MailMessageForm*>(document->Views()[1]);
    if (!next)
        return;
    UpdateData(true);
    next->Texts() = texts_;
    next->ExchangeTexts(false);
}

void CMailObjectView::Layout(int width, int height) {
    for (int id : {IDC_MAIL_SEND, IDC_MAIL_TEST}) {
        if (HWND button = Item(id)) {
            RECT place = PlaceOf(button);
            const LONG buttonWidth = place.right - place.left;
            place.right = width - 20;
            place.left = place.right - buttonWidth;
            MoveTo(button, place);
        }
    }
    if (HWND subject = Item(IDC_MAIL_SUBJECT)) {
        RECT place = PlaceOf(subject);
        place.right = width - 30;
        MoveTo(subject, place);
    }
    if (HWND message = Item(IDC_MAIL_MESSAGE)) {
        RECT place = PlaceOf(message);
        place.right = width - 30;
        if (height - 20 > place.top)
            place.bottom = height - 20;
        MoveTo(message, place);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

} // namespace bndx
