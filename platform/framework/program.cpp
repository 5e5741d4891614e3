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

const std::string& ProgramName() {
    static const std::string name = [] {
        std::string file = ProgramPath();
        file.erase(0, file.find_last_of('\\') + 1);
        return file.substr(0, file.find_last_of('.'));
    }();
    return name;
}

const std::string& ApplicationName() {
    static const std::string name = [] {
        const std::string title = LoadProgramString(IDS_APP_TITLE);
        return title.empty() ? ProgramName() : title;
    }();
    return name;
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
