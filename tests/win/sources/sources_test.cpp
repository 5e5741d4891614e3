// Foregrounds and backgrounds found and loaded from real files and modules, and the messages shown.
#include "common/line_records.h"
#include "painter/sources/backgrounds.h"
#include "painter/sources/foregrounds.h"
#include "painter/sources/source_messages.h"
#include "platform/framework/message_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

namespace bndx {
namespace {

// A directory of the test's own, removed with its files at the end; its path ends in a backslash.
struct Scratch {
    explicit Scratch(const std::string& at) : path(at) { std::filesystem::create_directories(path); }
    ~Scratch() { std::filesystem::remove_all(path.substr(0, path.size() - 1)); }
    std::string operator/(const std::string& name) const { return path + name; }
    const std::string path;
};

// Writes the bytes, their first four, the version, replaced when a version is given.
void Write(const std::string& path, std::vector<uint8_t> bytes, uint32_t version = 0) {
    if (version)
        std::memcpy(bytes.data(), &version, sizeof(version));
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// A background file whose picture cannot be read: it is listed all the same.
std::vector<uint8_t> Background(const char* description, uint8_t colourIndex) {
    const BackgroundFileHeader header = MakeBackgroundHeader(description, colourIndex);
    return {reinterpret_cast<const uint8_t*>(&header), reinterpret_cast<const uint8_t*>(&header + 1)};
}

// A file of the build as a Windows path: Wine maps the Unix root to drive Z:.
std::string Built(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::vector<std::string> Descriptions(const CEntryCollection& collection) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < collection.GetCount(); ++i)
        names.push_back(collection.GetAt(i)->Description);
    return names;
}

// Takes the messages instead of the user while it lives.
struct MessageLog {
    MessageLog() {
        shown.clear();
        SetMessageBoxSink([](const char* text, const char* caption, UINT flags) {
            shown.insert(caption + std::string(": ") + text +
                         ((flags & MB_TYPEMASK) == MB_OK ? "" : " (not OK alone)"));
            return IDOK;
        });
    }
    ~MessageLog() { SetMessageBoxSink(nullptr); }
    static inline std::multiset<std::string> shown;
};

TEST(Sources, ScanListsNamedFilesTextForegroundsFirstAndReportsTheBadOnes) {
    Scratch data((std::filesystem::temp_directory_path() / "bxd-scan").string() + "\\");
    Write(data / "proverbs.bxf", ForegroundFileBytes("Proverbs", {"Look before you leap."}));
    Write(data / "nameless.bxf", ForegroundFileBytes("", {"unseen"}));
    Write(data / "future.bxf", ForegroundFileBytes("Future", {"x"}), 2);
    Write(data / "notes.txt", ForegroundFileBytes("Not a foreground", {}));
    Write(data / "text.bxa", ForegroundFileBytes("Text in disguise", {}));
    CopyFileA(Built(BNDX_SAMPLE_ADDIN).c_str(), (data / "clock.bxa").c_str(), FALSE);
    CopyFileA(Built(BNDX_ADDIN_NO_EXPORT).c_str(), (data / "noexport.bxa").c_str(), FALSE);
    CopyFileA(Built(BNDX_ADDIN_NO_OBJECT).c_str(), (data / "noobject.bxa").c_str(), FALSE);
    Write(data / "sky.bxb", Background("Sky", 4));
    Write(data / "nameless.bxb", Background("", 0));
    Write(data / "future.bxb", Background("Future", 0), 2);
    Write(data / "empty.bxb", {});
    Write(data / "short.bxb", {1, 0, 0, 0}); // too short for a header: skipped without a word

    MessageLog log;
    const CForegroundCollection foregrounds(data.path);
    ASSERT_EQ(Descriptions(foregrounds), (std::vector<std::string>{"Proverbs", "Date and Time"}));
    EXPECT_EQ(static_cast<CForegroundEntry*>(foregrounds.GetAt(0))->Configure(), 0)
        << "a text foreground has its message instead";
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string time = static_cast<CForegroundEntry*>(foregrounds.GetAt(1))->GetNextLine();
    EXPECT_EQ(time.rfind("It is ", 0), 0u) << time;
    EXPECT_NE(time.find(std::to_string(now.wYear)), std::string::npos) << time;
    EXPECT_EQ(GetModuleHandleA((data / "noexport.bxa").c_str()), nullptr) << "an unlisted add-in is unloaded at once";

    const CBackgroundCollection backgrounds(data.path);
    ASSERT_EQ(Descriptions(backgrounds), std::vector<std::string>{"Sky"});
    EXPECT_EQ(static_cast<CBackgroundEntry*>(backgrounds.GetAt(0))->ColourIndex(), 4);
    EXPECT_EQ(MessageLog::shown, (std::multiset<std::string>{
                                     "Warning: " + NewerVersionMessage(data / "future.bxf"),
                                     "Error: Error loading " + data / "text.bxa",
                                     "Error: Error reading " + data / "noexport.bxa",
                                     "Error: Error reading " + data / "noobject.bxa",
                                     "Error: Error configuring Foreground.",
                                     "Error: " + NewerVersionMessage(data / "future.bxb"),
                                 }));
}

TEST(Sources, AnAddInIsHeldToTheBuffersItIsGiven) {
    CForegroundEntry careless(Built(BNDX_ADDIN_CARELESS).c_str(), 1);
    EXPECT_EQ(std::string(careless.Description), std::string(254, 'D')) << "an unterminated description is cut";
    EXPECT_EQ(std::string(careless.GetNextLine()), std::string(511, 'T')) << "and so is an unterminated text";
    EXPECT_EQ(careless.Configure(), 7) << "the add-in's result, in the entry's 16 bits";
}

} // namespace
} // namespace bndx
