// The prefix's HTML Help as a test wants it for its life: the stand-in that records requests
// (native, in place of Wine's own, for the programs under test only) or none at all.
#pragma once

#include "tests/win/driver/banderix_program.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace bndx::e2e {

using HelpRequest = std::map<std::string, std::string>;

class SystemHelp {
public:
    enum Kind { kStandIn, kMissing };
    explicit SystemHelp(Kind kind);
    // Puts back the system's library and the programs' library settings.
    ~SystemHelp();
    SystemHelp(const SystemHelp&) = delete;
    SystemHelp& operator=(const SystemHelp&) = delete;

    bool Installed() const { return installed_; }
    // The requests recorded so far, once there are as many as expected or the time has run out.
    std::vector<HelpRequest> WaitForRequests(size_t count, DWORD timeoutMs) const;

private:
    ScratchFolder record_;
    std::string library_;
    std::string saved_;
    bool installed_ = false;
};

} // namespace bndx::e2e
