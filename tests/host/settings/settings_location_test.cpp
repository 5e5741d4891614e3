#include "common/settings_location.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace bndx
