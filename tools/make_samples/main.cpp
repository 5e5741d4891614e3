// make_samples: writes the sample backgrounds and text foregrounds that ship in DATA.
//
//     make_samples OUTDIR BACKGROUND_LIST PICTURE_DIR [FOREGROUND_TEXT...]
//
// Each background of the list becomes OUTDIR/<name>.bxb from PICTURE_DIR/<name>.bmp; each
// foreground text OUTDIR/<its file name>.bxf. Anything wrong stops it with a message naming the
// file, so the build fails rather than ship a sample the programs would refuse.

#include "tools/make_samples/sample_files.h"
#include "tools/make_samples/sample_manifest.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace bndx::samples;

namespace {

bool ReadFile(const fs::path& path, std::vector<uint8_t>* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Written beside and renamed, so an interrupted build never leaves half a file in DATA.
bool WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    const fs::path part = path.string() + ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            return false;
    }
    std::error_code failed;
    fs::rename(part, path, failed);
    return !failed;
}

int Fail(const fs::path& path, const std::string& why) {
    std::fprintf(stderr, "make_samples: %s: %s\n", path.string().c_str(), why.c_str());
    return 1;
}

int WriteBackgrounds(const fs::path& outDir, const fs::path& list, const fs::path& pictureDir) {
    std::vector<uint8_t> text;
    if (!ReadFile(list, &text))
        return Fail(list, "cannot be read");
    std::vector<SampleBackground> backgrounds;
    std::string error;
    if (!ParseBackgroundList(std::string(text.begin(), text.end()), &backgrounds, &error))
        return Fail(list, error);
    for (const SampleBackground& background : backgrounds) {
        const fs::path picture = pictureDir / (background.Name + ".bmp");
        std::vector<uint8_t> bitmap, file;
        if (!ReadFile(picture, &bitmap))
            return Fail(picture, "cannot be read");
        if (!BackgroundFileBytes(background, bitmap, &file))
            return Fail(picture, "is not a bitmap the DIB library accepts");
        const fs::path target = outDir / (background.Name + ".bxb");
        if (!WriteFile(target, file))
            return Fail(target, "cannot be written");
    }
    return 0;
}

int WriteForeground(const fs::path& outDir, const fs::path& source) {
    std::vector<uint8_t> text;
    if (!ReadFile(source, &text))
        return Fail(source, "cannot be read");
    SampleForeground foreground;
    std::string error;
    if (!ParseForegroundText(std::string(text.begin(), text.end()), &foreground, &error))
        return Fail(source, error);
    const fs::path target = outDir / source.filename().replace_extension(".bxf");
    if (!WriteFile(target, ForegroundSampleBytes(foreground)))
        return Fail(target, "cannot be written");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_samples OUTDIR BACKGROUND_LIST PICTURE_DIR [FOREGROUND_TEXT...]\n");
        return 2;
    }
    const fs::path outDir = argv[1];
    std::error_code failed;
    fs::create_directories(outDir, failed);
    if (failed)
        return Fail(outDir, "cannot be made");
    if (int status = WriteBackgrounds(outDir, argv[2], argv[3]))
        return status;
    for (int n = 4; n < argc; ++n) {
        if (int status = WriteForeground(outDir, argv[n]))
            return status;
    }
    return 0;
}
