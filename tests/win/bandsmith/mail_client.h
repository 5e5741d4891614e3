// The stand-in mail system as the machine's default mail client for the life of a test: the
// registration the system's MAPI32 follows, the WIN.INI key that says a mail system is
// installed, and what reached the stand-in's outbox.
#pragma once

#include "tests/win/driver/banderix_program.h"

#include <windows.h>

#include <map>
#include <string>

namespace bndx::e2e {

using MailRecord = std::map<std::string, std::string>;

class StandInMailClient {
public:
    // Registers a private copy of the stand-in and sets MAPI in section MAIL of WIN.INI to the
    // value given ("1": a mail system is installed).
    explicit StandInMailClient(const char* mapiKey);
    // Puts back the default client and the key as they were, and removes the outbox.
    ~StandInMailClient();
    StandInMailClient(const StandInMailClient&) = delete;
    StandInMailClient& operator=(const StandInMailClient&) = delete;

    bool Registered() const { return registered_; }
    // The fields of the first message the stand-in received, once it has written all of it;
    // empty when none arrived in time.
    MailRecord WaitForMessage(DWORD timeoutMs) const;
    // Where the stand-in copied an attachment of that name.
    std::string Attachment(const std::string& fileName) const { return outbox_ / fileName; }

private:
    ScratchFolder outbox_;
    std::string previousClient_;
    bool hadClient_ = false;
    std::string previousMapiKey_;
    bool hadMapiKey_ = false;
    bool registered_ = false;
};

} // namespace bndx::e2e
