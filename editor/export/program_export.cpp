#include "editor/export/program_export.h"

#include "editor/export/message_program.h"
#include "platform/framework/message_box.h"
#include "platform/framework/win32_handles.h"

namespace bndx {

namespace {

HMODULE OwnModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&OwnModule), &module);
    return module;
}

std::string UnableToCreate(const std::string& path) {
    return "We were unable to create " + path +
           ".  If a previous test is currently running, please wait for it to finish and try again.";
}

constexpr char kProgramDamaged[] =
    "The Banderix Mail Message program inside Bandsmith is missing or damaged.  Please reinstall Bandsmith.";

bool WriteAll(HANDLE file, const std::vector<uint8_t>& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

} // namespace

std::vector<uint8_t> EmbeddedMessageProgram() {
    const HMODULE module = OwnModule();
    const HRSRC resource =
        FindResourceA(module, MAKEINTRESOURCEA(kMessageProgramResourceId), kMessageProgramResourceType);
    if (!resource)
        return {};
    const HGLOBAL loaded = LoadResource(module, resource);
    const auto* data = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!data)
        return {};
    return std::vector<uint8_t>(data, data + SizeofResource(module, resource));
}

std::string TemporaryProgramPath() {
    std::vector<char> folder(MAX_PATH + 1);
    DWORD length = GetTempPathA(static_cast<DWORD>(folder.size()), folder.data());
    if (length >= folder.size()) {
        folder.resize(length + 1);
        length = GetTempPathA(static_cast<DWORD>(folder.size()), folder.data());
    }
    if (length >= folder.size())
        length = 0;
    return std::string(folder.data(), length) + kTemporaryProgramName;
}

std::string WriteMessageProgram(const std::string& message) {
    const std::vector<uint8_t> image = EmbeddedMessageProgram();
    const std::vector<uint8_t> program = PersonalisedProgram(image.data(), image.size(), message);
    if (program.empty()) {
        ShowProgramMessageBox(kProgramDamaged);
        return {};
    }

    const std::string path = TemporaryProgramPath();
    bool created = false, written = false;
    {
        const UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        created = static_cast<bool>(file);
        written = created && WriteAll(file.Get(), program);
    }
    if (!written) {
        // Half a program must not be left where the next Mail or save would pick it up.
        if (created)
            DeleteFileA(path.c_str());
        ShowProgramMessageBox(UnableToCreate(path));
        return {};
    }
    return path;
}

bool StartProgram(const std::string& path) {
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    // The program runs on its own; nothing here waits for it.
    const UniqueKernelObject thread(process.hThread), program(process.hProcess);
    return true;
}

} // namespace bndx
