// The portable core of foregrounds: line records, the foreground file reader, the rotation of
// lines shared by all text foregrounds, and the item list.
#include "common/line_records.h"
#include "painter/sources/foreground_file.h"
#include "painter/sources/line_rotation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace bndx {
namespace {

using Lines = std::vector<std::string>;

class Entry : public CSourceEntry {
public:
    Entry() : CSourceEntry(0) {}
    int16_t Configure() override { return 0; }
};

struct Loaded {
    ForegroundFileResult result;
    std::string description;
    Lines lines;
};

Loaded Load(const std::vector<uint8_t>& bytes) {
    Entry entry;
    ForegroundFileHeader header;
    const ForegroundFileResult result = ReadForegroundFile(bytes.data(), bytes.size(), header, entry);
    Lines lines;
    for (int32_t i = 0; i < entry.Lines.GetCount(); ++i)
        lines.emplace_back(static_cast<const char*>(entry.Lines.GetAt(i)));
    return {result, entry.Description, lines};
}

std::vector<uint8_t> WithLineCount(std::vector<uint8_t> bytes, int32_t count) {
    std::memcpy(bytes.data() + offsetof(ForegroundFileHeader, LineCount), &count, sizeof(count));
    return bytes;
}

TEST(ForegroundFile, IsTheHeaderThenEachLineAsLengthAndBytes) {
    const std::vector<uint8_t> bytes = ForegroundFileBytes("Two", {"a", "bc"});
    ASSERT_EQ(bytes.size(), 48u + 7u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 48, bytes.end()),
              (std::vector<uint8_t>{0x01, 0x00, 'a', 0x02, 0x00, 'b', 'c'}));
    const Loaded loaded = Load(bytes);
    EXPECT_EQ(loaded.description, "Two");
    EXPECT_EQ(loaded.lines, (Lines{"a", "bc"}));
    EXPECT_EQ(Load(ForegroundFileBytes(std::string(31, 'd'), {""})).description, std::string(31, 'd'));
}

TEST(ForegroundFile, OtherVersionsTakeNothing) {
    for (uint32_t version : {0u, 2u}) {
        std::vector<uint8_t> bytes = ForegroundFileBytes("Future", {"line"});
        std::memcpy(bytes.data(), &version, sizeof(version));
        const Loaded loaded = Load(bytes);
        EXPECT_EQ(loaded.result, ForegroundFileResult::NewerVersion) << version;
        EXPECT_EQ(loaded.description, "") << version;
        EXPECT_TRUE(loaded.lines.empty()) << version;
    }
}

TEST(ForegroundFile, ShortFileKeepsOnlyTheCompleteRecords) {
    const std::vector<uint8_t> whole = ForegroundFileBytes("Short", {"one", "two", "three"});
    const std::pair<size_t, Lines> cases[] = {{1, {"one", "two"}}, {7, {"one", "two"}}, {8, {"one"}}, {15, {}}};
    for (const auto& [missing, kept] : cases)
        EXPECT_EQ(Load(std::vector<uint8_t>(whole.begin(), whole.end() - missing)).lines, kept) << missing;
}

TEST(ForegroundFile, LineCountDecidesHowManyRecordsAreReadWhateverItSays) {
    const std::vector<uint8_t> bytes = ForegroundFileBytes("Counted", {"a", "b", "c"});
    EXPECT_EQ(Load(WithLineCount(bytes, 2)).lines, (Lines{"a", "b"}));
    EXPECT_EQ(Load(WithLineCount(bytes, -5)).lines, Lines{});
    EXPECT_EQ(Load(WithLineCount(bytes, INT32_MAX)).lines, (Lines{"a", "b", "c"}));
}

int DrawsSeven() {
    return 7;
}

class LineRotation : public ::testing::Test {
protected:
    void SetUp() override { RotationCounter = kRotationUnset; }
    void TearDown() override { RotationCounter = kRotationUnset; }

    // Lines as a text foreground holds them; the list does not own them.
    std::string Next(const Lines& lines) {
        CItemList list;
        for (const std::string& line : lines)
            list.AddTail(const_cast<char*>(line.c_str()));
        char buffer[kLineBufferSize];
        std::memset(buffer, 'x', sizeof(buffer));
        CopyNextLine(list, buffer, sizeof(buffer), DrawsSeven);
        return buffer;
    }
};

TEST_F(LineRotation, StartsAfterARandomLineThenFollowsFileOrder) {
    const Lines abc{"a", "b", "c"};
    std::string shown;
    for (int i = 0; i < 5; ++i)
        shown += Next(abc);
    EXPECT_EQ(shown, "cabca") << "7 mod 3 is 1, so line 2 comes first";
    EXPECT_EQ(Next({"only"}) + Next({"only"}), "onlyonly");
}

TEST_F(LineRotation, CounterIsSharedByAllForegrounds) {
    const Lines five{"f0", "f1", "f2", "f3", "f4"}, two{"t0", "t1"};
    EXPECT_EQ(Next(five), "f3");
    EXPECT_EQ(Next(two), "t0") << "count 4 is out of range for two lines: wraps to 0";
    EXPECT_EQ(Next(five), "f1") << "and carries on from there";
}

TEST_F(LineRotation, NoLinesGiveTheEmptyTextAndLongLinesAreCut) {
    EXPECT_EQ(Next({}), "");
    EXPECT_EQ(RotationCounter, kRotationUnset) << "nothing was drawn for an empty foreground";
    EXPECT_EQ(Next({std::string(600, 'L')}), std::string(kLineBufferSize - 1, 'L'));
}

TEST(ItemList, GetAtWalksFromTheHead) {
    int a = 0, b = 0;
    CItemList list;
    EXPECT_EQ(list.GetAt(0), nullptr);
    list.AddTail(&a);
    list.AddTail(&b);
    EXPECT_EQ(list.GetAt(1), &b);
    EXPECT_EQ(list.GetAt(2), nullptr) << "an index not below the count";
    EXPECT_EQ(list.GetAt(-4), &a) << "0 or below gives the first";
    EXPECT_EQ(list.RemoveHead(), &a);
    EXPECT_EQ(list.RemoveHead(), &b);
    list.AddTail(&a);
    EXPECT_EQ(list.GetAt(0), &a) << "emptied, the list starts afresh";
}

} // namespace
} // namespace bndx
