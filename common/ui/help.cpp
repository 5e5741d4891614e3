#include "common/ui/help.h"

#include "platform/framework/message_box.h"
#include "platform/framework/program.h"

#include <htmlhelp.h>

#include <string>

namespace bndx {

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

constexpr char kHtmlHelpLibrary[] = "hhctrl.ocx";
constexpr char kCompiledHelpExtension[] = ".chm";
constexpr char kNoHtmlHelp[] =
    "Help cannot be shown: the system's HTML Help (hhctrl.ocx) is missing. Please install Microsoft HTML Help.";

// Loaded at the first request, from the system folder only: a library of that name in the
// current folder or beside a document must never be the one that runs.
HtmlHelpFunction htmlHelp = nullptr;
bool htmlHelpTried = false;

HtmlHelpFunction LoadHtmlHelp() {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::string path = std::string(folder, length) + "\\" + kHtmlHelpLibrary;
    HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library)
        return nullptr;
    return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")));
}

HtmlHelpFunction HtmlHelpEntry() {
    if (!htmlHelpTried) {
        htmlHelpTried = true;
        htmlHelp = LoadHtmlHelp();
    }
    return htmlHelp;
}

// "Banderix.HLP" becomes "Banderix.chm": the callers keep the names they were written with.
std::string CompiledHelpName(const std::string& fileName) {
    const size_t dot = fileName.find_last_of('.');
    return (dot == std::string::npos ? fileName : fileName.substr(0, dot)) + kCompiledHelpExtension;
}

} // namespace

void ShowHelp(HWND owner, const char* fileName, UINT command, ULONG_PTR data) {
    const std::string path = ProgramDirectory() + CompiledHelpName(fileName);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ShowProgramMessageBox("The help file " + path + " is missing.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const HtmlHelpFunction show = HtmlHelpEntry();
    if (!show) {
        ShowProgramMessageBox(kNoHtmlHelp, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (command == kHelpContext)
        show(owner, path.c_str(), HH_HELP_CONTEXT, data);
    else
        show(owner, path.c_str(), HH_DISPLAY_TOPIC, 0);
}

void CloseHelp() {
    // A program that never showed help has nothing to close and does not load the library now.
    if (htmlHelp)
        htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

} // namespace bndx
