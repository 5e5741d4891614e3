// The DATA folder beside a private copy of the program, filled with foregrounds and
// backgrounds written byte for byte as the editor writes them.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace bndx::e2e {

// The description the shipped sample add-in gives itself.
constexpr char kSampleAddInDescription[] = "Date and Time";

// A bitmap file, byte for byte, whose 16 x 16 picture is one colour, 0x00RRGGBB.
std::vector<uint8_t> SolidBitmapFile(uint32_t rgb);

class DataFolder {
public:
    explicit DataFolder(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    void AddTextForeground(const std::string& fileName, const std::string& description,
                           const std::vector<std::string>& lines);
    // A background whose picture is one colour, 0x00RRGGBB; colourIndex is the file's own
    // text colour (0 to 15).
    void AddBackground(const std::string& fileName, const std::string& description, uint32_t rgb,
                       uint8_t colourIndex = 0);
    // The add-in module shipped in the dist folder's DATA; false when it is not there.
    bool AddSampleAddIn();

    // The descriptions of the files the pattern matches, in the order a directory search
    // finds them, which is the order the program lists them in.
    std::vector<std::string> ListedOrder(const char* pattern) const;

private:
    std::string path_;
    std::map<std::string, std::string> descriptions_; // by upper-case file name
};

} // namespace bndx::e2e
