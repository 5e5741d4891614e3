// Foregrounds and backgrounds loaded from real files in real data directories, with the
// messages they show the user.
#include "common/line_records.h"
#include "painter/sources/backgrounds.h"
#include "painter/sources/data_directory.h"
#include "painter/sources/foregrounds.h"
#include "painter/sources/source_messages.h"
#include "platform/framework/message_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <set>
#include <thread>
#include <tuple>

namespace bndx {
namespace {

constexpr COLORREF kSky = RGB(40, 120, 200);

struct Shown {
    std::string caption;
    std::string text;
    bool okOnly; // the OK button and no other
    auto Key() const { return std::tie(caption, text, okOnly); }
    bool operator<(const Shown& other) const { return Key() < other.Key(); }
    bool operator==(const Shown& other) const { return Key() == other.Key(); }
};

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << '"' << shown.caption << "\": \"" << shown.text << '"' << (shown.okOnly ? "" : " (not OK alone)");
}

// A fresh directory, removed with its files at the end; its path ends in a backslash.
class Scratch {
public:
    explicit Scratch(std::string path = TempName()) : path_(std::move(path)) { CreateDirectoryA(path_.c_str(), nullptr); }
    ~Scratch() {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "*.*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((path_ + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    std::string operator/(const std::string& name) const { return path_ + name; }
    const std::string& Path() const { return path_; }

private:
    static std::string TempName() {
        char temp[MAX_PATH], name[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        GetTempFileNameA(temp, "bxd", 0, name); // reserves a unique name, as a file
        DeleteFileA(name);
        return std::string(name) + "\\";
    }
    std::string path_;
};

void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) << path;
    CloseHandle(file);
}

std::vector<uint8_t> WithVersion(std::vector<uint8_t> bytes, uint32_t version) {
    std::memcpy(bytes.data(), &version, sizeof(version));
    return bytes;
}

// The header, then (unless width is 0) a picture of one colour in the bitmap file layout that
// the DIB library writes and reads.
std::vector<uint8_t> Background(const char* description, uint8_t colourIndex, int width = 60, int height = 20) {
    const BackgroundFileHeader header = MakeBackgroundHeader(description, colourIndex);
    std::vector<uint8_t> bytes(reinterpret_cast<const uint8_t*>(&header), reinterpret_cast<const uint8_t*>(&header + 1));
    if (width == 0)
        return bytes;
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    file.bfSize = file.bfOffBits + stride * height;
    BITMAPINFOHEADER info{sizeof(info), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    bytes.insert(bytes.end(), reinterpret_cast<uint8_t*>(&file), reinterpret_cast<uint8_t*>(&file + 1));
    bytes.insert(bytes.end(), reinterpret_cast<uint8_t*>(&info), reinterpret_cast<uint8_t*>(&info + 1));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bytes.insert(bytes.end(), {GetBValue(kSky), GetGValue(kSky), GetRValue(kSky)});
        bytes.resize(bytes.size() + stride - width * 3);
    }
    return bytes;
}

void CopyModule(const char* built, const std::string& path) {
    std::string from = std::string("Z:") + built; // Wine maps the Unix root to drive Z:
    std::replace(from.begin(), from.end(), '/', '\\');
    ASSERT_TRUE(CopyFileA(from.c_str(), path.c_str(), FALSE)) << from;
}

std::vector<std::string> Descriptions(const CEntryCollection& collection) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < collection.GetCount(); ++i)
        names.push_back(collection.GetAt(i)->Description);
    return names;
}

// Takes the messages instead of the user while it lives.
class MessageLog {
public:
    MessageLog() { SetMessageBoxSink(Record); }
    ~MessageLog() { SetMessageBoxSink(nullptr); }
    std::set<Shown> Messages() const { return {shown.begin(), shown.end()}; }
    static inline std::vector<Shown> shown;

private:
    static int Record(const char* text, const char* caption, UINT flags) {
        shown.push_back({caption, text, (flags & MB_TYPEMASK) == MB_OK});
        return IDOK;
    }
};

// Answers the message boxes of this process from a second thread, as a user would: reads each
// one and presses its OK button.
class User {
public:
    User() : thread_([this] { Watch(); }) {}
    ~User() { Leave(); }
    std::vector<Shown> Leave() {
        done_ = true;
        if (thread_.joinable())
            thread_.join();
        return seen_;
    }

private:
    void Watch() {
        while (!done_) {
            HWND box = FindWindowExA(nullptr, nullptr, "#32770", nullptr);
            DWORD process = 0;
            GetWindowThreadProcessId(box, &process);
            if (!box || process != GetCurrentProcessId() || !IsWindowVisible(box)) {
                Sleep(20);
                continue;
            }
            Shown shown{std::string(256, '\0'), {}, false};
            shown.caption.resize(GetWindowTextA(box, &shown.caption[0], 256));
            int buttons = 0;
            for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                char kind[16] = {}, text[1024] = {};
                GetClassNameA(child, kind, sizeof(kind));
                GetWindowTextA(child, text, sizeof(text));
                if (lstrcmpiA(kind, "Static") == 0 && text[0]) // the icon's static has no text
                    shown.text = text;
                buttons += lstrcmpiA(kind, "Button") == 0 && IsWindowVisible(child);
            }
            shown.okOnly = buttons == 1 && GetDlgItem(box, IDOK);
            seen_.push_back(shown);
            SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
            for (int i = 0; i < 100 && IsWindow(box); ++i)
                Sleep(20);
        }
    }
    std::atomic<bool> done_{false};
    std::vector<Shown> seen_;
    std::thread thread_;
};

const std::string kNewer = " is newer than the Banderix program version. ";

class Sources : public ::testing::Test {
protected:
    void SetUp() override {
        RotationCounter = kRotationUnset;
        MessageLog::shown.clear();
    }
    Scratch data;
};

TEST_F(Sources, ForegroundScanListsTextFilesThenAddInsAndReportsTheBadOnes) {
    Write(data / "proverbs.bxf", ForegroundFileBytes("Proverbs", {"Look before you leap."}));
    Write(data / "quiet.bxf", ForegroundFileBytes("Quiet", {}));
    Write(data / "nameless.bxf", ForegroundFileBytes("", {"unseen"}));
    Write(data / "future.bxf", WithVersion(ForegroundFileBytes("Future", {"x"}), 2));
    Write(data / "notes.txt", ForegroundFileBytes("Not a foreground", {}));
    CopyModule(BNDX_SAMPLE_ADDIN, data / "clock.bxa");
    Write(data / "text.bxa", ForegroundFileBytes("Text in disguise", {}));
    CopyModule(BNDX_ADDIN_NO_EXPORT, data / "noexport.bxa");
    CopyModule(BNDX_ADDIN_NO_OBJECT, data / "noobject.bxa");

    MessageLog log;
    CForegroundCollection collection(data.Path());
    const std::vector<std::string> names = Descriptions(collection);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.begin() + 2), (std::set<std::string>{"Proverbs", "Quiet"}))
        << "text files first; nameless and newer ones left out";
    EXPECT_EQ(names[2], "Date and Time");
    EXPECT_EQ(collection.GetAt(-1), nullptr);
    EXPECT_EQ(log.Messages(), (std::set<Shown>{{"Warning", NewerVersionMessage(data / "future.bxf"), true},
                                               {"Error", "Error loading " + data / "text.bxa", true},
                                               {"Error", "Error reading " + data / "noexport.bxa", true},
                                               {"Error", "Error reading " + data / "noobject.bxa", true}}));
    EXPECT_EQ(MessageLog::shown.size(), 4u);
    EXPECT_EQ(GetModuleHandleA((data / "noexport.bxa").c_str()), nullptr) << "an unlisted add-in is unloaded at once";
}

TEST_F(Sources, BackgroundScanListsNamedFilesWithTheirColour) {
    Write(data / "sky.bxb", Background("Sky", 4));
    Write(data / "last.bxb", Background("Last colour", 15));
    Write(data / "blank.bxb", Background("No picture", 0, 0));
    Write(data / "nameless.bxb", Background("", 0));
    Write(data / "future.bxb", WithVersion(Background("Future", 0), 2));

    MessageLog log;
    CBackgroundCollection collection(data.Path());
    std::set<std::pair<std::string, int>> listed;
    for (int32_t i = 0; i < collection.GetCount(); ++i) {
        const auto* entry = static_cast<const CBackgroundEntry*>(collection.GetAt(i));
        listed.insert({entry->Description, entry->ColourIndex()});
    }
    EXPECT_EQ(listed, (std::set<std::pair<std::string, int>>{{"Sky", 4}, {"Last colour", 15}, {"No picture", 0}}))
        << "a picture that cannot be read still leaves the background listed";
    EXPECT_EQ(log.Messages(), (std::set<Shown>{{"Error", NewerVersionMessage(data / "future.bxb"), true}}));
}

TEST_F(Sources, NewerFilesShowMessageBoxesTheUserDismisses) {
    Write(data / "future.bxb", WithVersion(Background("Future", 0), 2));
    Write(data / "future.bxf", WithVersion(ForegroundFileBytes("Future", {"x"}), 2));
    User user;
    const CBackgroundCollection backgrounds(data.Path());
    const CForegroundCollection foregrounds(data.Path());
    const std::vector<Shown> boxes = user.Leave();
    EXPECT_EQ(backgrounds.GetCount() + foregrounds.GetCount(), 0);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Error") << "backgrounds say it as an error";
    EXPECT_EQ(boxes[0].text.rfind(data / "future.bxb" + kNewer, 0), 0u) << boxes[0].text;
    EXPECT_EQ(boxes[1].caption, "Warning") << "foregrounds as a warning";
    EXPECT_EQ(boxes[1].text.rfind(data / "future.bxf" + kNewer, 0), 0u) << boxes[1].text;
    EXPECT_TRUE(boxes[0].okOnly && boxes[1].okOnly);
}

TEST_F(Sources, TextForegroundGivesItsLinesInTurnAndCannotBeConfigured) {
    Write(data / "abc.bxf", ForegroundFileBytes("ABC", {"a", "b", "c"}));
    Write(data / "none.bxf", ForegroundFileBytes("None", {}));
    CForegroundEntry abc((data / "abc.bxf").c_str(), 0);
    CForegroundEntry none((data / "none.bxf").c_str(), 0);
    std::string seen;
    for (int i = 0; i < 4; ++i)
        seen += abc.GetNextLine();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(std::string("abcabc").substr(seen[0] - 'a', 3) + seen[0], seen) << "file order from a random start";
    EXPECT_STREQ(none.GetNextLine(), "");

    MessageLog log;
    EXPECT_EQ(abc.Configure(), 0);
    EXPECT_EQ(log.Messages(), (std::set<Shown>{{"Error", "Error configuring Foreground.", true}}));
}

TEST_F(Sources, AddInsSupplyTheirTextWithinTheBuffers) {
    CopyModule(BNDX_SAMPLE_ADDIN, data / "clock.bxa");
    CopyModule(BNDX_ADDIN_CARELESS, data / "careless.bxa");
    CForegroundEntry clock((data / "clock.bxa").c_str(), 1);
    EXPECT_STREQ(clock.Description, "Date and Time");
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string text = clock.GetNextLine();
    EXPECT_EQ(text.rfind("It is ", 0), 0u) << text;
    EXPECT_NE(text.find(std::to_string(now.wYear)), std::string::npos) << text;

    CForegroundEntry careless((data / "careless.bxa").c_str(), 1);
    EXPECT_EQ(std::string(careless.Description), std::string(254, 'D')) << "an unterminated description is cut";
    EXPECT_EQ(std::string(careless.GetNextLine()), std::string(511, 'T')) << "and so is an unterminated text";
    EXPECT_EQ(careless.Configure(), 7) << "the add-in's result, in the entry's 16 bits";
}

TEST_F(Sources, BackgroundPaintsItsPictureIntoTheRectangleOnly) {
    Write(data / "sky.bxb", Background("Sky", 4));
    Write(data / "blank.bxb", Background("No picture", 0, 0));
    CBackgroundEntry sky((data / "sky.bxb").c_str());
    CBackgroundEntry blank((data / "blank.bxb").c_str());
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(screen, 200, 40));
    const RECT all{0, 0, 200, 40}, area{10, 10, 190, 30};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_TRUE(blank.Paint(dc, &area, TRUE));
    EXPECT_EQ(GetPixel(dc, 100, 20), RGB(255, 255, 255)) << "no picture, nothing painted";
    EXPECT_TRUE(sky.Paint(dc, &area, FALSE));
    for (const POINT p : {POINT{10, 10}, POINT{100, 20}, POINT{189, 29}})
        EXPECT_EQ(GetPixel(dc, p.x, p.y), kSky) << p.x << "," << p.y;
    for (const POINT p : {POINT{9, 20}, POINT{100, 30}})
        EXPECT_EQ(GetPixel(dc, p.x, p.y), RGB(255, 255, 255)) << p.x << "," << p.y << " is outside";
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

TEST(DataDirectory, IsDATABesideTheProgramAndScannedByBothCollections) {
    char program[MAX_PATH];
    std::string beside(program, GetModuleFileNameA(nullptr, program, MAX_PATH));
    beside.erase(beside.rfind('\\') + 1);
    ASSERT_EQ(DataDirectory(), beside + "DATA\\");
    Scratch own(DataDirectory());
    Write(own / "found.bxf", ForegroundFileBytes("Found beside the program", {"yes"}));
    Write(own / "found.bxb", Background("Background beside it", 0));
    EXPECT_EQ(Descriptions(CForegroundCollection()), std::vector<std::string>{"Found beside the program"});
    EXPECT_EQ(Descriptions(CBackgroundCollection()), std::vector<std::string>{"Background beside it"});
}

} // namespace
} // namespace bndx
