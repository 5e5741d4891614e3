#include "editor/export/message_program.h"

#include "common/message_block.h"

namespace bndx {

std::string TrimMessage(const std::string& text) {
    static const char kWhiteSpace[] = " \t\n\v\f\r";
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

std::vector<uint8_t> PersonalisedProgram(const uint8_t* image, size_t size, const std::string& message) {
    const size_t block = FindMessageBlock(image, size);
    if (block == kNoMessageBlock)
        return {};
    std::vector<uint8_t> copy(image, image + size);
    // The message field admits 512 characters but the block keeps its last byte for the NUL: a
    // longer text is cut to the 511 that the program can show rather than refused, since the user
    // typed it within the field's limit.
    const std::string text = TrimMessage(message);
    WriteMessageText(reinterpret_cast<char*>(copy.data() + block), text.data(), text.size());
    return copy;
}

std::string ProposedProgramName(const std::string& recipientName) {
    return "BndxMail_" + recipientName.substr(0, 5) + ".EXE";
}

} // namespace bndx
