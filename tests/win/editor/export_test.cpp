// The message program on a real system: the personalised copy of the program this test carries
// as Bandsmith does, a program started from a folder with spaces, and the mail library taken
// only from where it belongs.
#include "editor/export/mail_system.h"
#include "editor/export/message_program.h"
#include "editor/export/program_export.h"
#include "platform/framework/message_box.h"
#include "tests/win/desktop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace bndx {
namespace {

std::vector<std::string> g_shown;

// The messages shown, in order, instead of boxes.
struct MessageLog {
    MessageLog() {
        g_shown.clear();
        SetMessageBoxSink([](const char* text, const char*, UINT) {
            g_shown.push_back(text);
            return IDOK;
        });
    }
    ~MessageLog() { SetMessageBoxSink(nullptr); }
};

// A fresh folder in the temporary folder, removed with what it holds at the end.
struct Scratch {
    Scratch() {
        char temp[MAX_PATH], name[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        GetTempFileNameA(temp, "bxe", 0, name); // reserves a unique name, as a file
        DeleteFileA(name);
        CreateDirectoryA(name, nullptr);
        path = std::string(name) + "\\";
    }
    ~Scratch() { std::filesystem::remove_all(path.substr(0, path.size() - 1)); }
    std::string operator/(const std::string& name) const { return path + name; }
    std::string path;
};

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(MessageProgramExport, WritesThePersonalisedCopyOfTheOwnProgramToTheTemporaryFolder) {
    const std::vector<uint8_t> bandpost = ReadAll(test::DistPath("Bandpost.exe"));
    ASSERT_EQ(EmbeddedMessageProgram(), bandpost) << "the program among the test's resources";

    MessageLog log;
    const std::string path = WriteMessageProgram("  Hello there  ");
    ASSERT_EQ(path, TemporaryProgramPath());
    EXPECT_EQ(ReadAll(path), PersonalisedProgram(bandpost.data(), bandpost.size(), "Hello there"));

    // A test copy still running holds its file: the user is asked to wait for it.
    const HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(WriteMessageProgram("Again"), "");
    CloseHandle(held);
    DeleteFileA(path.c_str());
    EXPECT_EQ(g_shown, std::vector<std::string>{"We were unable to create " + path +
                                                ".  If a previous test is currently running, please wait for it to "
                                                "finish and try again."});
}

TEST(ProgramStart, RunsTheProgramInAFolderWithSpacesNotOneNamedAfterThePartBeforeTheSpace) {
    const Scratch scratch;
    ASSERT_TRUE(CreateDirectoryA((scratch / "My Test").c_str(), nullptr));
    const std::string program = scratch / "My Test\\BndxMsg.exe", decoy = scratch / "My.exe";
    for (const std::string& copy : {program, decoy})
        ASSERT_TRUE(CopyFileA(test::TestProgramPath("run_marker.exe").c_str(), copy.c_str(), FALSE));

    ASSERT_TRUE(StartProgram(program));
    EXPECT_TRUE(test::WaitFor([&] { return Exists(program + ".ran"); }, 10000)) << "the program did not run";
    test::PumpMessages(500);
    EXPECT_FALSE(Exists(decoy + ".ran")) << "the decoy at " << decoy << " ran";
}

// A stand-in mail library, held loaded by the test so that its record outlives the use the code
// under test makes of it. Wine takes any file named MAPI32.DLL for its own library, so the
// stand-in keeps a name of its own.
struct MailStub {
    explicit MailStub(const Scratch& folder) : path(folder / "MailStub.dll") {
        CopyFileA(test::TestProgramPath("mail_stub.dll").c_str(), path.c_str(), FALSE);
        module = LoadLibraryA(path.c_str());
    }
    ~MailStub() { FreeLibrary(module); }
    template <typename Function> Function* Export(const char* name) const {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
    std::string Record() const { return Export<const char*()>("MailStubRecord")(); }
    void Answer(ULONG result) const { Export<void(ULONG)>("MailStubAnswer")(result); }
    std::string path;
    HMODULE module;
};

// The MAPI entry of WIN.INI's MAIL section, put back as it was at the end.
struct MailProfile {
    MailProfile() { GetProfileStringA("MAIL", "MAPI", "\x01", before, sizeof before); }
    ~MailProfile() { WriteProfileStringA("MAIL", "MAPI", before[0] == '\x01' ? nullptr : before); }
    void Set(const char* value) { WriteProfileStringA("MAIL", "MAPI", value); }
    char before[16];
};

TEST(MailSystem, CountsOnlyTheLibraryAtItsOwnPathAndOnlyWhenTheSystemSaysSo) {
    const Scratch system, downloads;
    MailProfile profile;
    profile.Set("1");
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    SetCurrentDirectoryA(downloads.path.c_str());
    CopyFileA(test::TestProgramPath("mail_stub.dll").c_str(), (downloads / kMailLibraryName).c_str(), FALSE);

    MessageLog log;
    const std::string absent = system / kMailLibraryName;
    EXPECT_FALSE(MailSystemPresentAt(absent)) << "a library in the current directory was counted";
    MailMessageProgramThrough(absent, nullptr, "ann@example.org", "Hi", "C:\\BndxMsg.exe");
    SetCurrentDirectoryA(before);
    EXPECT_EQ(g_shown, std::vector<std::string>{kMailSystemNotLoaded}) << "a library was loaded from elsewhere";

    const MailStub installed(system);
    EXPECT_TRUE(MailSystemPresentAt(installed.path));
    profile.Set("0");
    EXPECT_FALSE(MailSystemPresentAt(installed.path)) << "the system says there is no mail system";
}

TEST(MailSystem, SendsTheProgramAsAnAttachmentWhileItsOwnerIsDisabled) {
    const Scratch system;
    const MailStub stub(system);
    ASSERT_TRUE(stub.module);
    test::TestWindow frame("Bandsmith", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 300, 200);
    const HWND view = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, frame.Handle(), nullptr,
                                      nullptr, nullptr);

    MessageLog log;
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
    EXPECT_EQ(g_shown, (std::vector<std::string>{kMailNotSent, kMailNotSent}));
}

} // namespace
} // namespace bndx
