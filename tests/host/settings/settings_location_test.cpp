#include "common/data_path.h"
#include "common/settings_location.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <tuple>

namespace bndx {
namespace {

// A machine described by its folders, what exists and what may be written.
struct Machine {
    std::string windows, appData;
    std::set<std::string> files, writable, creatable;
};

// The machine's facts; logs what the choice asked and did.
class FakeFacts : public SettingsLocationFacts {
public:
    explicit FakeFacts(const Machine& machine) : m(machine) {}
    const Machine& m;
    std::string log;

    std::string WindowsDirectory() override { return m.windows; }
    std::string UserDataDirectory() override { return m.appData; }
    bool Exists(const std::string& path) override { return m.files.count(path) > 0; }
    bool CanWrite(const std::string& file) override { return m.writable.count(file) > 0; }
    bool CanCreateIn(const std::string& folder) override {
        log += "probe " + folder + ";";
        return m.creatable.count(folder) > 0;
    }
    void MakeFolder(const std::string& folder) override { log += "make " + folder + ";"; }
    void CopyIfAbsent(const std::string& from, const std::string& to) override {
        log += "copy " + from + ">" + to + ";";
    }
};

// Each case: the machine, then the file chosen and what the choice did on the way.
TEST(SettingsLocation, TheWindowsDirectoryServesWhereItCanBeWrittenAndOtherwiseTheUsersOwnFile) {
    const std::string shared = "W\\Banderix.INI", perUser = "U\\Banderix\\Banderix.INI";
    const std::string madeAndCopied = "make U\\Banderix;copy " + shared + ">" + perUser + ";";
    const std::tuple<Machine, std::string, std::string> cases[] = {
        {{"W", "U", {shared}, {shared}, {}}, shared, ""}, // an existing file is judged by itself
        {{"W", "U", {}, {}, {"W"}}, shared, "probe W;"},
        {{"W", "", {}, {}, {}}, shared, ""}, // no per-user folder: nowhere else to go
        {{"C:\\", "U", {}, {}, {"C:\\"}}, "C:\\Banderix.INI", "probe C:\\;"},
        {{"W", "U", {}, {}, {}}, perUser, "probe W;make U\\Banderix;"},
        {{"W", "U", {shared}, {}, {"W"}}, perUser, madeAndCopied},  // settings and Path come along
        {{"W", "U", {shared, perUser}, {shared}, {}}, perUser, ""}, // once moved, the user stays
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const auto& [machine, chosen, log] = cases[i];
        FakeFacts facts(machine);
        EXPECT_EQ(ChooseSettingsFile(facts), chosen);
        EXPECT_EQ(facts.log, log);
    }
}

std::string AsciiUpper(const std::string& name) {
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// A user's Path as the settings file holds it, whether the program's folder can be written, and
// the user's application data; logs what settling did.
struct FakePathFacts : DataPathFacts {
    FakePathFacts(std::string path, bool writable, std::string appData)
        : path(path), writable(writable), appData(appData) {}
    std::string path, log;
    bool writable;
    std::string appData;

    std::string ReadPath() override { return path; }
    void WritePath(const std::string& value) override { log += "write " + value + ";"; }
    bool ProgramFolderWritable() override { return writable; }
    std::string UserDataDirectory() override { return appData; }
    void MakePrivateFolder(const std::string& folder) override { log += "make " + folder + ";"; }
};

// Each case: Path, program folder writable, %APPDATA%; then the settled Path and what was done.
TEST(DataPath, AUserWhoMayNotWriteBesideTheProgramGetsAFolderOfTheirOwnAndAnyPathSetIsKept) {
    const std::string own = "U\\Banderix", made = "make U\\Banderix\\Data\\;";
    const std::tuple<std::string, bool, std::string, std::string, std::string> cases[] = {
        {"", true, "U", "", ""},                            // the zip package in a folder of the user's
        {"", false, "U", own, "write " + own + ";" + made}, // installed for another user
        {"", false, "", "", ""},                            // nowhere of the user's own to go
        {"C:\\Program Files\\Banderix", false, "U", "C:\\Program Files\\Banderix", ""},
        {"u\\banderix\\", true, "U", "u\\banderix\\", "make u\\banderix\\Data\\;"}, // as the installer set it
        {"D:\\Mine", false, "U", "D:\\Mine", ""}, // the user's choice is never second-guessed
    };
    for (const auto& [path, writable, appData, settled, log] : cases) {
        SCOPED_TRACE("Path '" + path + "' writable " + std::to_string(writable) + " appdata '" + appData + "'");
        FakePathFacts facts(path, writable, appData);
        EXPECT_EQ(SettlePath(facts, AsciiUpper), settled);
        EXPECT_EQ(facts.log, log);
    }
}

// Each case: Path; then the folders Banderix reads after the shared one.
TEST(DataPath, BanderixReadsPathsDataFolderAfterItsOwnUnlessTheyAreOne) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {"C:\\Prog", {}},
        {"c:\\prog\\", {}},
        {"U\\Banderix", {"U\\Banderix\\Data\\"}},
        {"C:\\", {"C:\\Data\\"}},
    };
    for (const auto& [path, own] : cases) {
        SCOPED_TRACE("Path '" + path + "'");
        std::vector<std::string> expected{"C:\\Prog\\DATA\\"};
        expected.insert(expected.end(), own.begin(), own.end());
        EXPECT_EQ(PainterDataFolders("C:\\Prog\\", path, AsciiUpper), expected);
    }
}

} // namespace
} // namespace bndx
