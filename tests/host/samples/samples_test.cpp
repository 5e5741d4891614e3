#include "tools/make_samples/sample_manifest.h"

#include "common/file_headers.h"
#include "editor/documents/foreground_lines.h"
#include "platform/dib/dib_core.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace bndx::samples {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Text(const fs::path& path) {
    const Bytes bytes = Contents(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(ShippedSamples, EveryListedBackgroundReadsBackWithItsDescriptionColourAndPicture) {
    std::vector<SampleBackground> backgrounds;
    std::string error;
    ASSERT_TRUE(ParseBackgroundList(Text(fs::path(SAMPLE_SOURCE_DIR) / "backgrounds.txt"), &backgrounds, &error))
        << error;
    ASSERT_GE(backgrounds.size(), 8u);
    for (const SampleBackground& background : backgrounds) {
        SCOPED_TRACE(background.Name);
        const Bytes file = Contents(fs::path(SAMPLE_DATA_DIR) / (background.Name + ".bxb"));
        BackgroundFileHeader header;
        ASSERT_GT(file.size(), sizeof header);
        std::memcpy(&header, file.data(), sizeof header);
        EXPECT_EQ(DescriptionOf(header.Description), background.Description);
        EXPECT_EQ(header.ColourIndex, background.ColourIndex);

        dib::DibLayout layout;
        const uint8_t* image = file.data() + sizeof header;
        const size_t imageSize = file.size() - sizeof header;
        ASSERT_TRUE(dib::PlanFileImage(image, imageSize, &layout));
        Bytes packed(layout.packedSize);
        EXPECT_TRUE(dib::BuildPackedDib(image, imageSize, layout, packed.data()));
    }
}

TEST(ShippedSamples, EveryForegroundTextReadsBackLineForLine) {
    int found = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(SAMPLE_SOURCE_DIR) / "foregrounds")) {
        SCOPED_TRACE(entry.path().filename().string());
        SampleForeground source;
        std::string error;
        ASSERT_TRUE(ParseForegroundText(Text(entry.path()), &source, &error)) << error;

        const fs::path shipped = fs::path(SAMPLE_DATA_DIR) / entry.path().filename().replace_extension(".bxf");
        const Bytes file = Contents(shipped);
        const ForegroundContent content = ReadForegroundFileBytes(file.data(), file.size());
        EXPECT_EQ(DescriptionOf(content.Header.Description), source.Description);
        EXPECT_EQ(content.Header.LineCount, static_cast<int32_t>(source.Lines.size()));
        EXPECT_EQ(content.Lines, source.Lines);
        ++found;
    }
    EXPECT_GE(found, 4);
}

} // namespace
} // namespace bndx::samples
