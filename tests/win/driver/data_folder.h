// Foregrounds and backgrounds written byte for byte as the editor writes them.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace bndx::e2e {

// The description the shipped sample add-in gives itself.
constexpr char kSampleAddInDescription[] = "Date and Time";

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// A 16 x 16 bitmap file of one colour, 0x00RRGGBB.
std::vector<uint8_t> SolidBitmapFile(uint32_t rgb);

class DataFolder {
public:
    explicit DataFolder(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    void AddTextForeground(const std::string& fileName, const std::string& description,
                           const std::vector<std::string>& lines);
    void AddBackground(const std::string& fileName, const std::string& description, uint32_t rgb,
                       uint8_t colourIndex = 0);
    // A sound header before a picture no reader accepts (its width is 0).
    void AddUnreadableBackground(const std::string& fileName, const std::string& description);
    bool AddSampleAddIn();

    // The descriptions in the order a directory search finds the files, as the program does.
    std::vector<std::string> ListedOrder(const char* pattern) const;

private:
    std::string path_;
    std::map<std::string, std::string> descriptions_; // by upper-case file name
};

} // namespace bndx::e2e
