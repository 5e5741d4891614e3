#include "platform/framework/message_box.h"

#include "platform/framework/application.h"
#include "platform/framework/program.h"

namespace bndx {

namespace {

MessageBoxSink g_sink = nullptr;

} // namespace

int ShowMessageBox(const std::string& text, const char* caption, UINT flags) {
    if (g_sink)
        return g_sink(text.c_str(), caption, flags);
    return MessageBoxA(nullptr, text.c_str(), caption, flags);
}

int ShowProgramMessageBox(const std::string& text, UINT flags) {
    if (g_sink)
        return g_sink(text.c_str(), ProgramName().c_str(), flags);
    return MessageBoxA(DialogOwner(), text.c_str(), ProgramName().c_str(), flags);
}

MessageBoxSink SetMessageBoxSink(MessageBoxSink sink) {
    const MessageBoxSink previous = g_sink;
    g_sink = sink;
    return previous;
}

} // namespace bndx
