// Banderix's help file and the topics its windows open.
#pragma once

#include <windows.h>

namespace bndx {

constexpr char kHelpFile[] = "Banderix.HLP";
constexpr ULONG_PTR kOptionsHelpTopic = 13;
constexpr ULONG_PTR kAdvancedOptionsHelpTopic = 18;
constexpr ULONG_PTR kWindowsSettingsHelpTopic = 19;

} // namespace bndx
