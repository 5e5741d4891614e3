// Every modal message box of the programs goes through here, so that in-process tests can take
// the messages instead of a user.
#pragma once

#include <windows.h>

#include <string>

namespace bndx {

constexpr char kErrorCaption[] = "Error";
constexpr char kWarningCaption[] = "Warning";

// Receives what would have been shown; returns the button that was "pressed".
using MessageBoxSink = int (*)(const char* text, const char* caption, UINT flags);

// A message box with no owner window.
int ShowMessageBox(const std::string& text, const char* caption, UINT flags = MB_OK);

// The program's own message box for refusals the user should act on: captioned with the
// program's name and owned by the window the user is working in, if any.
int ShowProgramMessageBox(const std::string& text, UINT flags = MB_OK);

// Hands the messages to sink instead of a box (null: back to the box); returns the sink before.
MessageBoxSink SetMessageBoxSink(MessageBoxSink sink);

} // namespace bndx
