#include "platform/framework/program.h"

#include "platform/framework/framework_ids.h"

namespace bndx {

namespace {

std::string ProgramPath() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

} // namespace

HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}

// Asked again at each call rather than kept: a kept value would need a lock around its first
// making, which brings the runtime's threads library into the programs.
std::string ProgramName() {
    std::string file = ProgramPath();
    file.erase(0, file.find_last_of('\\') + 1);
    return file.substr(0, file.find_last_of('.'));
}

std::string ApplicationName() {
    const std::string title = LoadProgramString(IDS_APP_TITLE);
    return title.empty() ? ProgramName() : title;
}

std::string LoadProgramString(UINT id) {
    // A string resource holds at most 4096 characters.
    char text[4097] = {};
    LoadStringA(ProgramInstance(), id, text, sizeof text);
    return text;
}

std::string ProgramDirectory() {
    std::string path = ProgramPath();
    path.erase(path.find_last_of('\\') + 1);
    return path;
}

} // namespace bndx
