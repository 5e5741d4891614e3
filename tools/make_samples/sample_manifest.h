// What the sample content of DATA is made of, read from the texts kept in resources/samples/:
// the list of backgrounds, and one text file per text foreground. Both are checked here so a
// slip in them stops the build instead of shipping a file the programs would show wrongly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bndx::samples {

// A line longer than this takes too long to cross a caption to be read as it scrolls.
constexpr size_t kMaxSampleLineLength = 90;

struct SampleBackground {
    std::string Name; // the picture is <Name>.bmp, the file shipped <Name>.bxb
    uint8_t ColourIndex = 0;
    std::string Description;
};

struct SampleForeground {
    std::string Description;
    std::vector<std::string> Lines;
};

// The background list: one background a line as "Name Colour Description", blank lines and lines
// starting with '#' skipped. False, with the reason and its line number in error, for a name
// that is not a plain file name, a colour outside 0..15, or a description that is empty or
// longer than its header field holds.
bool ParseBackgroundList(const std::string& text, std::vector<SampleBackground>* backgrounds, std::string* error);

// A foreground text as Bandsmith's Import reads one: the description on the first line, then one
// line to scroll per line, blank lines skipped. False, with the reason in error, for a
// description as above, no lines at all, or a line longer than kMaxSampleLineLength.
bool ParseForegroundText(const std::string& text, SampleForeground* foreground, std::string* error);

} // namespace bndx::samples
