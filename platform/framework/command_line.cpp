#include "platform/framework/command_line.h"

namespace bndx {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false;
    bool inArgument = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument)
                arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(current);
    return arguments;
}

std::string DocumentArgument(const std::string& commandLine) {
    const std::vector<std::string> arguments = SplitCommandLine(commandLine);
    for (size_t n = 1; n < arguments.size(); ++n) {
        const std::string& argument = arguments[n];
        if (!argument.empty() && argument[0] != '/' && argument[0] != '-')
            return argument;
    }
    return {};
}

} // namespace bndx
