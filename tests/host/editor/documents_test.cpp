#include "editor/documents/foreground_import.h"
#include "editor/documents/foreground_lines.h"
#include "editor/documents/mail_message_file.h"
#include "editor/documents/save_location.h"

#include <gtest/gtest.h>

#include <cctype>

namespace bndx {
namespace {

std::vector<std::string> Texts(const MailMessage& m) {
    return {m.Name, m.Address, m.Subject, m.Message};
}

TEST(MailMessageFile, HoldsFourLengthPrefixedRecordsInFileOrder) {
    const MailMessage message{"Ann", "ann@b.org", "Hello", std::string(300, 'm')};
    const std::vector<uint8_t> bytes = MailMessageFileBytes(message);
    const std::string head("\3\0Ann\11\0ann@b.org\5\0Hello\54\1", 25); // the last length is 300
    ASSERT_EQ(bytes.size(), head.size() + 300);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + head.size()), head);
    EXPECT_EQ(Texts(ReadMailMessageFile(bytes.data(), bytes.size())), Texts(message));
    EXPECT_EQ(MailMessageFileBytes(MailMessage{}), std::vector<uint8_t>(8, 0)) << "empty texts: four zero lengths";
}

TEST(MailMessageFile, AShortOrCorruptFileGivesTheWholeRecordsBeforeTheDamage) {
    const std::vector<uint8_t> bytes = MailMessageFileBytes(MailMessage{"Ann", "ann@b.org", "Hello", "Hi"});
    // Cut at every length; each cut is a copy of its own so that the sanitizers see any read past it.
    for (size_t size = 0; size < bytes.size(); ++size) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + size);
        const MailMessage read = ReadMailMessageFile(cut.data(), cut.size());
        EXPECT_EQ(Texts(read), (std::vector<std::string>{size >= 5 ? "Ann" : "", size >= 16 ? "ann@b.org" : "",
                                                         size >= 23 ? "Hello" : "", ""}))
            << size;
    }
}

TEST(ForegroundLines, WritesTheHeaderAndOneRecordPerLineAndReadsWhatTheFileReallyHolds) {
    ForegroundFileHeader header = MakeForegroundHeader("Proverbs", 7);
    header.Checksum = 0; // stale values the document may hold: writing sets them afresh
    std::vector<uint8_t> bytes = ForegroundFileBytes(header, {"a", "bc", "def"});
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 48, bytes.begin() + 55),
              (std::vector<uint8_t>{0x01, 0x00, 'a', 0x02, 0x00, 'b', 'c'}));
    ForegroundContent read = ReadForegroundFileBytes(bytes.data(), bytes.size());
    EXPECT_EQ(DescriptionOf(read.Header.Description), "Proverbs");
    EXPECT_EQ(read.Header.Checksum, DescriptionChecksum("Proverbs"));
    EXPECT_EQ(read.Lines, (std::vector<std::string>{"a", "bc", "def"}));

    bytes[0] = 2;     // another version still opens in the editor
    bytes[44] = 0x7F; // more lines announced than present, the last one cut short
    bytes.pop_back();
    EXPECT_EQ(ReadForegroundFileBytes(bytes.data(), bytes.size()).Lines, (std::vector<std::string>{"a", "bc"}));

    const std::vector<uint8_t> stub(bytes.begin(), bytes.begin() + 16);
    read = ReadForegroundFileBytes(stub.data(), stub.size());
    EXPECT_EQ(DescriptionOf(read.Header.Description), "Prov") << "what a short header holds is kept";
    EXPECT_EQ(read.Header.LineCount, 0);
}

bool AsciiLetterOrDigit(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

TEST(SaveLocation, ProposesTheDescriptionWithOnlyLettersAndDigits) {
    EXPECT_EQ(DataDirectoryFromPath("C:\\Banderix"), "C:\\Banderix\\Data\\");
    EXPECT_EQ(DataDirectoryFromPath(""), "\\Data\\");
    EXPECT_EQ(ProposedFileName("My Sky #2", kBackgroundExtension, AsciiLetterOrDigit), "My_Sky__2.bxb");
    EXPECT_EQ(ProposedFileName("a.b\\c:\xe9", kForegroundExtension, AsciiLetterOrDigit), "a_b_c__.bxf");
    EXPECT_EQ(ProposedFileName("\xe9", kForegroundExtension, [](char c) { return c == '\xe9'; }), "\xe9.bxf")
        << "the caller's test decides what a letter is";
}

std::string AsciiUpperCase(const std::string& name) {
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

TEST(SaveLocation, AsksOnlyWhenTheChosenFolderIsAnotherOne) {
    const std::string data = "C:\\Banderix\\Data\\";
    const auto in = [&](const std::string& path) { return IsInDataDirectory(path, data, AsciiUpperCase); };
    EXPECT_TRUE(in("C:\\Banderix\\Data\\sky.bxb"));
    EXPECT_TRUE(in("c:\\BANDERIX\\data\\sky.bxb")) << "letter case aside";
    EXPECT_TRUE(in("sky.bxb")) << "no folder to object to";
    EXPECT_FALSE(in("C:\\Banderix\\Data\\Sub\\sky.bxb"));
    EXPECT_EQ(InDataDirectory("D:\\Elsewhere\\sky.bxb", data), "C:\\Banderix\\Data\\sky.bxb");
}

TEST(SaveLocation, EachKindAsksInItsOwnWordsAndMovesTheFileOnItsOwnAnswer) {
    const std::string data = "C:\\Banderix\\Data\\", chosen = "D:\\Elsewhere\\sky.bxb";
    EXPECT_EQ(DataDirectoryQuestion(kBackgroundFile, data),
              "For Banderix to find and load Backgrounds, they must be saved to the C:\\Banderix\\Data\\ directory.  "
              "Click YES to save to the directory you have specified or NO to save to the default Banderix Data "
              "directory.");
    EXPECT_EQ(DataDirectoryQuestion(kForegroundFile, data),
              "For Banderix to load Foregrounds, they must be saved to the C:\\Banderix\\Data\\ directory.  You have "
              "selected another directory.  Click Yes to save to the default Banderix Data directory.");
    const struct {
        const DataFileKind& kind;
        bool yes;
        std::string saved;
    } cases[] = {{kBackgroundFile, true, chosen},
                 {kBackgroundFile, false, data + "sky.bxb"},
                 {kForegroundFile, true, data + "sky.bxb"},
                 {kForegroundFile, false, chosen}};
    for (const auto& c : cases)
        EXPECT_EQ(PathAfterAnswer(c.kind, c.yes, chosen, data), c.saved) << c.kind.Extension << " yes=" << c.yes;
}

TEST(ForegroundImport, TheFirstLineDescribesAndTheFurtherLinesFollowAllTrimmedWithoutBlanks) {
    using Lines = std::vector<std::string>;
    const struct {
        std::string text;
        std::optional<std::string> description;
        Lines lines;
    } cases[] = {
        {"", std::nullopt, {}},
        {"Words\r\n   one  \r\n\r\n \t \r\ntwo\r\n", "Words", {"one", "two"}},
        {"  Words \n\tone\ntwo", "Words", {"one", "two"}},
        {"Words\r\none\x1Atwo\r\n", "Words", {"one"}},
        {"\x1AWords\r\none", std::nullopt, {}},
        {"\r\nonly\r\n", "", {"only"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const ImportedText imported = ParseImportedText(c.text);
        EXPECT_EQ(imported.Description, c.description);
        EXPECT_EQ(imported.Lines, c.lines);
    }
}

} // namespace
} // namespace bndx
