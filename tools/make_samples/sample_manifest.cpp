#include "tools/make_samples/sample_manifest.h"

#include "common/colour_table.h"
#include "common/file_headers.h"

#include <sstream>

namespace bndx::samples {
namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool CheckDescription(const std::string& description, std::string* error) {
    if (description.empty()) {
        *error = "the description is empty";
        return false;
    }
    if (description.size() > kDescriptionFieldSize - 1) {
        *error = "the description \"" + description + "\" is longer than " + std::to_string(kDescriptionFieldSize - 1) +
                 " characters";
        return false;
    }
    return true;
}

bool IsPlainName(const std::string& name) {
    for (char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letter && !(c >= '0' && c <= '9') && c != '_' && c != '-')
            return false;
    }
    return !name.empty();
}

bool ParseBackgroundLine(const std::string& line, SampleBackground* background, std::string* error) {
    std::istringstream fields(line);
    std::string colour;
    fields >> background->Name >> colour;
    std::getline(fields, background->Description);
    background->Description = Trimmed(background->Description);
    if (!IsPlainName(background->Name)) {
        *error = "\"" + background->Name + "\" is not a plain file name";
        return false;
    }
    if (colour.empty() || colour.size() > 2 || colour.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(colour) >= kColourCount) {
        *error = "the colour \"" + colour + "\" is not an index from 0 to " + std::to_string(kColourCount - 1);
        return false;
    }
    background->ColourIndex = static_cast<uint8_t>(std::stoi(colour));
    return CheckDescription(background->Description, error);
}

} // namespace

bool ParseBackgroundList(const std::string& text, std::vector<SampleBackground>* backgrounds, std::string* error) {
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        SampleBackground background;
        if (!ParseBackgroundLine(line, &background, error)) {
            *error = "line " + std::to_string(number) + ": " + *error;
            return false;
        }
        backgrounds->push_back(background);
    }
    return true;
}

bool ParseForegroundText(const std::string& text, SampleForeground* foreground, std::string* error) {
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    foreground->Description = Trimmed(line);
    if (!CheckDescription(foreground->Description, error))
        return false;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.empty())
            continue;
        if (line.size() > kMaxSampleLineLength) {
            *error = "the line \"" + line + "\" is longer than " + std::to_string(kMaxSampleLineLength) + " characters";
            return false;
        }
        foreground->Lines.push_back(line);
    }
    if (foreground->Lines.empty()) {
        *error = "there are no lines to scroll";
        return false;
    }
    return true;
}

} // namespace bndx::samples
