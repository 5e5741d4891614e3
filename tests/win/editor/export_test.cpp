// The message program on a real system: the personalised copy of the program the test carries as
// Bandsmith does, a program started from a folder with spaces, the mail library only from its place.
#include "editor/export/mail_system.h"
#include "editor/export/message_program.h"
#include "editor/export/program_export.h"
#include "platform/framework/message_box.h"
#include "tests/win/desktop.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace bndx {
namespace {

// Takes the messages shown, in order, instead of boxes, and gives each test a fresh folder.
class MessageProgram : public ::testing::Test {
protected:
    MessageProgram() {
        shown.clear();
        SetMessageBoxSink([](const char* text, const char*, UINT) {
            shown.push_back(text);
            return IDOK;
        });
        std::filesystem::create_directories(folder);
    }
    ~MessageProgram() override {
        SetMessageBoxSink(nullptr);
        std::filesystem::remove_all(folder);
    }
    std::string In(const std::string& name) const { return folder + "\\" + name; }

    static inline std::vector<std::string> shown;
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("bxe" + std::to_string(GetCurrentProcessId()))).string();
};

TEST_F(MessageProgram, IsWrittenToTheTemporaryFolderOrTheUserIsAskedToWait) {
    const std::string path = WriteMessageProgram("Hello there");
    ASSERT_EQ(path, TemporaryProgramPath());
    // A test copy still running holds its file: the user is asked to wait for it.
    UniqueFile held(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(WriteMessageProgram("Again"), "");
    held.Reset();
    DeleteFileA(path.c_str());
    EXPECT_EQ(shown, std::vector<std::string>{"We were unable to create " + path +
                                              ".  If a previous test is currently running, please wait for it to "
                                              "finish and try again."});
}

TEST_F(MessageProgram, StartsInAFolderWithSpacesNotOneNamedAfterThePartBeforeTheSpace) {
    ASSERT_TRUE(CreateDirectoryA(In("My Test").c_str(), nullptr));
    const std::string program = In("My Test\\BndxMsg.exe"), decoy = In("My.exe");
    for (const std::string& copy : {program, decoy})
        ASSERT_TRUE(CopyFileA(test::TestProgramPath("run_marker.exe").c_str(), copy.c_str(), FALSE));

    ASSERT_TRUE(StartProgram(program));
    EXPECT_TRUE(test::WaitFor([&] { return std::filesystem::exists(program + ".ran"); }, 10000))
        << "the program did not run";
    test::PumpMessages(500);
    EXPECT_FALSE(std::filesystem::exists(decoy + ".ran")) << "the decoy at " << decoy << " ran";
}

// A stand-in mail library, held loaded by the test. Wine takes any file named MAPI32.DLL for its own
// library, so the stand-in keeps a name of its own.
struct MailStub {
    explicit MailStub(const std::string& at) : path(at) {
        CopyFileA(test::TestProgramPath("mail_stub.dll").c_str(), path.c_str(), FALSE);
        module.Reset(LoadLibraryA(path.c_str()));
    }
    std::string Record() const {
        return reinterpret_cast<const char* (*)()>(
            reinterpret_cast<void*>(GetProcAddress(module.Get(), "MailStubRecord")))();
    }
    void Answer(ULONG result) const {
        reinterpret_cast<void (*)(ULONG)>(reinterpret_cast<void*>(GetProcAddress(module.Get(), "MailStubAnswer")))(
            result);
    }
    std::string path;
    UniqueModule module;
};

// The MAPI entry of WIN.INI's MAIL section, put back as it was at the end.
struct MailProfile {
    MailProfile() { GetProfileStringA("MAIL", "MAPI", "\x01", before, sizeof before); }
    ~MailProfile() { WriteProfileStringA("MAIL", "MAPI", before[0] == '\x01' ? nullptr : before); }
    void Set(const char* value) { WriteProfileStringA("MAIL", "MAPI", value); }
    char before[16];
};

TEST_F(MessageProgram, IsMailedOnlyThroughTheLibraryInItsPlaceWhileTheSystemSaysSoAndRealFailuresAreReported) {
    MailProfile profile;
    profile.Set("1");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder); // where a download of the library's name might lie
    CopyFileA(test::TestProgramPath("mail_stub.dll").c_str(), In(kMailLibraryName).c_str(), FALSE);
    const std::string absent = In("system\\" + std::string(kMailLibraryName));
    EXPECT_FALSE(MailSystemPresentAt(absent)) << "a library in the current directory was counted";
    MailMessageProgramThrough(absent, nullptr, "ann@example.org", "Hi", "C:\\BndxMsg.exe");
    std::filesystem::current_path(before);
    EXPECT_EQ(shown, std::vector<std::string>{kMailSystemNotLoaded}) << "a library was loaded from elsewhere";

    const MailStub stub(In("MailStub.dll"));
    ASSERT_TRUE(stub.module);
    EXPECT_TRUE(MailSystemPresentAt(stub.path));
    test::TestWindow frame("Bandsmith", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 300, 200);
    const HWND view = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, frame.Handle(), nullptr,
                                      nullptr, nullptr);
    MailMessageProgramThrough(stub.path, view, "ann@example.org", "For you", "C:\\Temp\\BndxMsg.exe");
    EXPECT_EQ(stub.Record(),
              "session 0, owner \"Bandsmith\" disabled, flags 9, subject \"For you\", note \"Here is a "
              "special Kestrelby Banderix message for you.\", 1 recipient: class 1, name "
              "\"ann@example.org\", no address; 1 file: \"C:\\Temp\\BndxMsg.exe\" as \"BndxMsg.EXE\" at -1");
    EXPECT_TRUE(IsWindowEnabled(frame.Handle())) << "the owner was left disabled";
    EXPECT_EQ(GetActiveWindow(), frame.Handle());
    // Cancelling (1) and a failed logon (3) are the user's doing; other failures are reported.
    for (const ULONG result : {1, 3, 2, 11}) {
        stub.Answer(result);
        MailMessageProgramThrough(stub.path, nullptr, "a@b", "s", "C:\\BndxMsg.exe");
    }
    EXPECT_EQ(shown, (std::vector<std::string>{kMailSystemNotLoaded, kMailNotSent, kMailNotSent}));
}

} // namespace
} // namespace bndx
