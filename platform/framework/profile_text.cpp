#include "platform/framework/profile_text.h"

#include <string_view>

namespace bndx {

namespace {

// The profile functions' blanks: white space and the Ctrl+Z old editors ended files with.
constexpr char kBlanks[] = " \t\n\v\f\r\x1A";

bool IsBlank(char c) {
    return std::string_view(kBlanks).find(c) != std::string_view::npos;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

} // namespace

std::string ProfileTextOf(const std::string& value) {
    if (value.empty())
        return value;
    const char first = value.front(), last = value.back();
    if (IsBlank(first) || IsBlank(last) || IsQuote(first) || IsQuote(last))
        return '"' + value + '"';
    return value;
}

std::string ProfileValueOf(const std::string& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return {};
    std::string value = text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

} // namespace bndx
