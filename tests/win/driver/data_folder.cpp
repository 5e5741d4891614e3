#include "tests/win/driver/data_folder.h"

#include "common/file_headers.h"
#include "common/line_records.h"
#include "tests/win/desktop.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace bndx::e2e {

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return static_cast<char>(toupper(c)); });
    return text;
}

void WriteBytes(const std::string& path, const void* data, size_t size, bool append = false) {
    std::ofstream out(path, std::ios::binary | (append ? std::ios::app : std::ios::trunc));
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace

void DataFolder::AddTextForeground(const std::string& fileName, const std::string& description,
                                   const std::vector<std::string>& lines) {
    const std::vector<uint8_t> bytes = ForegroundFileBytes(description, lines);
    WriteBytes(path_ + "\\" + fileName, bytes.data(), bytes.size());
    descriptions_[Upper(fileName)] = description;
}

std::vector<uint8_t> SolidBitmapFile(uint32_t rgb) {
    constexpr int32_t kSide = 16;
    constexpr uint32_t kRowBytes = kSide * 3; // a multiple of four already
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = kSide;
    info.biHeight = kSide;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = kRowBytes * kSide;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
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
    const std::vector<uint8_t> bitmap = SolidBitmapFile(rgb);
    const std::string path = path_ + "\\" + fileName;
    WriteBytes(path, &header, sizeof(header));
    WriteBytes(path, bitmap.data(), bitmap.size(), true);
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
    const HANDLE search = FindFirstFileA((path_ + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return listed;
    do {
        const auto known = descriptions_.find(Upper(found.cFileName));
        if (known != descriptions_.end() && !known->second.empty())
            listed.push_back(known->second);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return listed;
}

} // namespace bndx::e2e
