#include "tests/win/driver/data_folder.h"

#include "common/file_headers.h"
#include "common/line_records.h"
#include "tests/win/desktop.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace bndx::e2e {

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return static_cast<char>(toupper(c)); });
    return text;
}

} // namespace

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void DataFolder::AddTextForeground(const std::string& fileName, const std::string& description,
                                   const std::vector<std::string>& lines) {
    WriteBytes(path_ + "\\" + fileName, ForegroundFileBytes(description, lines));
    descriptions_[Upper(fileName)] = description;
}

std::vector<uint8_t> SolidBitmapFile(uint32_t rgb) {
    constexpr int32_t kSide = 16;
    constexpr uint32_t kPixelBytes = kSide * kSide * 3; // rows of 48 bytes need no padding
    const BITMAPINFOHEADER info{sizeof(info), kSide, kSide, 1, 24, BI_RGB, kPixelBytes, 0, 0, 0, 0};
    const BITMAPFILEHEADER file{0x4D42, sizeof(file) + sizeof(info) + kPixelBytes, 0, 0, sizeof(file) + sizeof(info)};
    std::vector<uint8_t> bytes(sizeof(file) + sizeof(info));
    std::memcpy(bytes.data(), &file, sizeof(file));
    std::memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
    for (int i = 0; i < kSide * kSide; ++i)
        bytes.insert(bytes.end(),
                     {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb >> 16)});
    return bytes;
}

void DataFolder::AddBackground(const std::string& fileName, const std::string& description, uint32_t rgb,
                               uint8_t colourIndex) {
    const BackgroundFileHeader header = MakeBackgroundHeader(description, colourIndex);
    std::vector<uint8_t> bytes = SolidBitmapFile(rgb);
    bytes.insert(bytes.begin(), reinterpret_cast<const uint8_t*>(&header),
                 reinterpret_cast<const uint8_t*>(&header + 1));
    WriteBytes(path_ + "\\" + fileName, bytes);
    descriptions_[Upper(fileName)] = description;
}

void DataFolder::AddUnreadableBackground(const std::string& fileName, const std::string& description) {
    AddBackground(fileName, description, 0);
    const int32_t noWidth = 0;
    std::fstream file(path_ + "\\" + fileName, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(sizeof(BackgroundFileHeader) + sizeof(BITMAPFILEHEADER) + offsetof(BITMAPINFOHEADER, biWidth));
    file.write(reinterpret_cast<const char*>(&noWidth), sizeof(noWidth));
}

bool DataFolder::AddSampleAddIn() {
    const char kName[] = "DateTime.bxa";
    if (!CopyFileA(test::DistPath((std::string("DATA\\") + kName).c_str()).c_str(), (path_ + "\\" + kName).c_str(),
                   FALSE))
        return false;
    descriptions_[Upper(kName)] = kSampleAddInDescription;
    return true;
}

std::vector<std::string> DataFolder::ListedOrder(const char* pattern) const {
    std::vector<std::string> listed;
    WIN32_FIND_DATAA found;
    const UniqueFileSearch search(FindFirstFileA((path_ + "\\" + pattern).c_str(), &found));
    if (!search)
        return listed;
    do {
        const auto known = descriptions_.find(Upper(found.cFileName));
        if (known != descriptions_.end() && !known->second.empty())
            listed.push_back(known->second);
    } while (FindNextFileA(search.Get(), &found));
    return listed;
}

} // namespace bndx::e2e
