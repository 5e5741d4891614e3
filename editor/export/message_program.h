// The message program made personal: a copy of the program image that Bandsmith carries, with
// the user's text in its message block, and the name proposed when it is saved as a program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bndx {

// The text without the white space at either end (space, tab, line and page breaks).
std::string TrimMessage(const std::string& text);

// The image with the trimmed text and one NUL written at the start of its message block; every
// other byte, the rest of the block included, stays as it was. Empty when the image holds no
// single unwritten block to write into.
std::vector<uint8_t> PersonalisedProgram(const uint8_t* image, size_t size, const std::string& message);

// "BndxMail_" + the first five characters of the recipient's name + ".EXE".
std::string ProposedProgramName(const std::string& recipientName);

} // namespace bndx
