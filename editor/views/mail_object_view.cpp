#include "editor/views/mail_object_view.h"

#include "editor/export/mail_system.h"
#include "editor/export/message_program.h"
#include "editor/export/program_export.h"
#include "platform/framework/file_dialogs.h"
#include "platform/framework/message_box.h"
#include "resources/editor/resource.h"

#include <algorithm>
#include <iterator>

namespace bndx {

namespace {

constexpr ULONG_PTR kHelpTopic = 14;

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

constexpr int kTextFields[] = {IDC_MAIL_NAME, IDC_MAIL_ADDRESS, IDC_MAIL_SUBJECT, IDC_MAIL_MESSAGE};

bool IsTextField(int id) {
    return std::find(std::begin(kTextFields), std::end(kTextFields), id) != std::end(kTextFields);
}

std::string TextOf(HWND control) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

const RuntimeClass<View> CMailObjectView::Class{"CMailObjectView", []() -> View* { return new CMailObjectView; }};

CMailObjectView::CMailObjectView() : EditorFormView(IDD_MAILOBJECT_FORM, kHelpTopic) {}

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

void CMailObjectView::OnInitialUpdate() {
    EditorFormView::OnInitialUpdate();
    for (View* view : GetDocument()->Views()) {
        const auto* other = dynamic_cast<const CMailObjectView*>(view);
        if (other && other != this && other->Handle()) {
            ShowFieldsOf(*other);
            return;
        }
    }
}

void CMailObjectView::OnUpdate(View* sender, LPARAM) {
    const auto* other = dynamic_cast<const CMailObjectView*>(sender);
    if (other && other != this)
        ShowFieldsOf(*other);
}

void CMailObjectView::ShowFieldsOf(const CMailObjectView& other) {
    filling_ = true;
    for (int id : kTextFields) {
        const std::string text = TextOf(other.Item(id));
        if (TextOf(Item(id)) != text)
            SetWindowTextA(Item(id), text.c_str());
    }
    filling_ = false;
}

bool CMailObjectView::OnCommand(int id, int notifyCode, HWND control) {
    if (notifyCode == EN_CHANGE && IsTextField(id)) {
        // The texts reach the members only when they are used; a change needs saving, and
        // showing in the document's other windows.
        if (!filling_ && GetDocument()) {
            GetDocument()->SetModifiedFlag(true);
            GetDocument()->UpdateAllViews(this);
        }
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
    if (message == WM_DESTROY)
        OnDestroy();
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

void CMailObjectView::OnSize(int width, int height) {
    for (int id : {IDC_MAIL_SEND, IDC_MAIL_TEST}) {
        if (Item(id)) {
            RECT place = ControlRect(id);
            const LONG buttonWidth = place.right - place.left;
            place.right = width - 20;
            place.left = place.right - buttonWidth;
            MoveControl(id, place);
        }
    }
    if (Item(IDC_MAIL_SUBJECT)) {
        RECT place = ControlRect(IDC_MAIL_SUBJECT);
        place.right = width - 30;
        MoveControl(IDC_MAIL_SUBJECT, place);
    }
    if (Item(IDC_MAIL_MESSAGE)) {
        RECT place = ControlRect(IDC_MAIL_MESSAGE);
        place.right = width - 30;
        if (height - 20 > place.top)
            place.bottom = height - 20;
        MoveControl(IDC_MAIL_MESSAGE, place);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

} // namespace bndx
