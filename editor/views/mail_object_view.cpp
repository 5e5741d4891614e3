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
// program export cuts off rather than refusing what the user could type. A longer message can
// come only from a file, and is cut the same way.
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

CMailObjectDoc& CMailObjectView::Document() const {
    return static_cast<CMailObjectDoc&>(*GetDocument());
}

void CMailObjectView::OnInitialUpdate() {
    SendDlgItemMessageA(Handle(), IDC_MAIL_MESSAGE, EM_LIMITTEXT, kMessageFieldLimit, 0);
    FormView::OnInitialUpdate();
}

void CMailObjectView::OnUpdate(View*, LPARAM) {
    const MailMessage& texts = Document().Texts();
    const std::string* shown[] = {&texts.Name, &texts.Address, &texts.Subject, &texts.Message};
    filling_ = true;
    for (size_t n = 0; n < std::size(kTextFields); ++n)
        if (TextOf(Item(kTextFields[n])) != *shown[n])
            SetWindowTextA(Item(kTextFields[n]), shown[n]->c_str());
    filling_ = false;
}

bool CMailObjectView::OnCommand(int id, int notifyCode, HWND control) {
    if (notifyCode == EN_CHANGE && IsTextField(id)) {
        if (!filling_ && GetDocument())
            Document().SetTexts({TextOf(Item(IDC_MAIL_NAME)), TextOf(Item(IDC_MAIL_ADDRESS)),
                                 TextOf(Item(IDC_MAIL_SUBJECT)), TextOf(Item(IDC_MAIL_MESSAGE))},
                                this);
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

std::string CMailObjectView::TakeMessage() const {
    const std::string message = TrimMessage(Document().Texts().Message);
    if (message.empty())
        ShowProgramMessageBox(kNoNonSpace, MB_OK | MB_ICONEXCLAMATION);
    return message;
}

void CMailObjectView::OnTest() {
    const std::string message = TakeMessage();
    if (message.empty())
        return;
    const std::string program = WriteMessageProgram(message);
    if (!program.empty() && !StartProgram(program))
        ShowProgramMessageBox("Unable to start " + program + ".", MB_OK | MB_ICONEXCLAMATION);
}

void CMailObjectView::OnMail() {
    const std::string message = TakeMessage();
    if (message.empty())
        return;
    if (!MailSystemPresent()) {
        if (ShowProgramMessageBox(kOfferToSave, MB_YESNO | MB_ICONQUESTION) == IDYES)
            SaveAsProgram(message);
        return;
    }
    const WaitCursor wait;
    const std::string program = WriteMessageProgram(message);
    if (!program.empty())
        MailMessageProgram(Handle(), Document().Texts().Address, Document().Texts().Subject, program);
}

void CMailObjectView::SaveAsProgram(const std::string& message) {
    const std::string program = WriteMessageProgram(message);
    if (program.empty())
        return;
    std::string chosen = ProposedProgramName(Document().Texts().Name);
    if (!PromptForSaveFile(GetAncestor(Handle(), GA_ROOT), chosen, "EXE", kProgramFilter))
        return;
    if (!CopyFileA(program.c_str(), chosen.c_str(), FALSE))
        ShowProgramMessageBox("Unable to save " + chosen + ".", MB_OK | MB_ICONEXCLAMATION);
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
