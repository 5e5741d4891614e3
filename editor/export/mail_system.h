// The platform's simple mail interface (MAPISendMail in MAPI32.DLL): whether one is installed,
// and mailing the message program through it as an attachment.
#pragma once

#include <windows.h>

#include <string>

namespace bndx {

constexpr char kMailLibraryName[] = "MAPI32.DLL";
constexpr char kAttachmentName[] = "BndxMsg.EXE";
constexpr char kMailNoteText[] = "Here is a special Kestrelby Banderix message for you.";

constexpr char kMailSystemNotLoaded[] = "Unable to load mail system support.";
constexpr char kMailSystemInvalid[] = "Mail system DLL is invalid.";
constexpr char kMailNotSent[] = "Send Mail failed to send message.";

// A mail system counts as installed when MAPI in section MAIL of the system's WIN.INI is not 0
// and the system directory holds MAPI32.DLL. Only the system directory counts: a library of
// that name beside a document the user opened must never be taken for the mail system.
bool MailSystemPresent();

// Hands the program at programPath to the mail system as the attachment "BndxMsg.EXE", to the
// address (given as the name for the mail system to resolve), with the subject and a fixed note;
// the mail system shows its own logon and send dialogs. The owner's top-level window stays
// disabled while they run and is active again afterwards. A library that cannot be loaded, lacks
// MAPISendMail or fails to send is reported to the user; cancelling or a failed logon is not.
void MailMessageProgram(HWND owner, const std::string& address, const std::string& subject,
                        const std::string& programPath);

// The same two with the mail library at the full path given instead of MAPI32.DLL in the system
// directory: where tests put a stand-in mail system.
bool MailSystemPresentAt(const std::string& libraryPath);
void MailMessageProgramThrough(const std::string& libraryPath, HWND owner, const std::string& address,
                               const std::string& subject, const std::string& programPath);

} // namespace bndx
