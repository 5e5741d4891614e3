// The portable core of foregrounds: the file reader and the rotation of lines.
#include "common/line_records.h"
#include "painter/sources/foreground_file.h"
#include "painter/sources/line_rotation.h"
#include "painter/sources/source_listing.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace bndx {
namespace {

using Lines = std::vector<std::string>;

struct Entry : CSourceEntry {
    Entry() : CSourceEntry(0) {}
    int16_t Configure() override { return 0; }
};

// Each case: the version and line count the header states, the bytes missing from the end of
// the file (65 is all of it), what the reader makes of it and the lines read.
TEST(ForegroundFile, OnlyVersionOneIsReadAndOnlyWholeRecordsWithinTheCount) {
    using Result = ForegroundFileResult;
    const std::string description = std::string(29, 'd') + "\r\n"; // the longest a header holds
    const std::tuple<uint32_t, int32_t, size_t, Result, Lines> cases[] = {
        {1, 3, 0, Result::Read, {"one", "two", "three"}},
        {1, 3, 1, Result::Read, {"one", "two"}},
        {1, 3, 15, Result::Read, {}},
        {1, 2, 0, Result::Read, {"one", "two"}},
        {1, -5, 0, Result::Read, {}},
        {1, INT32_MAX, 0, Result::Read, {"one", "two", "three"}},
        {2, 3, 0, Result::NewerVersion, {}},
        {1, 3, 20, Result::TooShort, {}}, // not called newer
        {0, 3, 65, Result::TooShort, {}},
    };
    for (const auto& [version, count, missing, expectedResult, expected] : cases) {
        SCOPED_TRACE(testing::Message() << version << "/" << count << "/" << missing);
        std::vector<uint8_t> bytes = ForegroundFileBytes(description, {"one", "two", "three"});
        std::memcpy(bytes.data() + offsetof(ForegroundFileHeader, Version), &version, sizeof(version));
        std::memcpy(bytes.data() + offsetof(ForegroundFileHeader, LineCount), &count, sizeof(count));
        bytes.resize(bytes.size() - missing);
        Entry entry;
        ForegroundFileHeader header;
        EXPECT_EQ(ReadForegroundFile(bytes.data(), bytes.size(), header, entry), expectedResult);
        Lines read;
        for (int32_t i = 0; i < entry.Lines.GetCount(); ++i)
            read.emplace_back(static_cast<const char*>(entry.Lines.GetAt(i)));
        EXPECT_EQ(read, expected);
        EXPECT_EQ(entry.Description, expectedResult == Result::Read ? std::string(29, 'd') + "  " : "")
            << "other versions take nothing; control characters read as spaces";
    }
}

// The next line of a text foreground holding the lines (the list does not own them), when the
// random numbers drawn are all 7.
std::string Next(const Lines& lines) {
    CItemList list;
    for (const std::string& line : lines)
        list.AddTail(const_cast<char*>(line.c_str()));
    char buffer[kLineBufferSize];
    std::memset(buffer, 'x', sizeof(buffer));
    CopyNextLine(list, buffer, sizeof(buffer), [] { return 7; });
    return buffer;
}

TEST(LineRotation, StartsAfterARandomLineAndOneCounterCarriesOnAcrossForegrounds) {
    RotationCounter = kRotationUnset;
    EXPECT_EQ(Next({}), "");
    EXPECT_EQ(RotationCounter, kRotationUnset) << "nothing was drawn for an empty foreground";

    const Lines abc{"a", "b", "c"}, five{"f0", "f1", "f2", "f3", "f4"};
    std::string shown;
    for (const Lines* lines : {&abc, &abc, &abc, &abc, &five, &abc, &five})
        shown += Next(*lines) + " ";
    EXPECT_EQ(shown, "c a b c f3 a f1 ") << "7 mod 3 is 1, so line 2 comes first; a count past the end wraps to 0";
    EXPECT_EQ(Next({std::string(600, 'L')}), std::string(kLineBufferSize - 1, 'L'));
}

// Each case: the entries as loaded (description, folder), then the positions listed.
TEST(SourceListing, TheSharedFolderComesFirstAndTheUsersOwnTakesOverADescriptionBothHold) {
    const std::pair<std::vector<ListingCandidate>, std::vector<size_t>> cases[] = {
        {{}, {}},
        {{{"Sky", 0}, {"Sea", 0}, {"Sky", 0}}, {0, 1, 2}}, // duplicates of one folder all stay
        {{{"Mine", 1}, {"Sky", 0}}, {1, 0}},               // loaded later, the shared one still comes first
        {{{"Sky", 0}, {"Sea", 0}, {"Sky", 1}}, {1, 2}},
        {{{"Sky", 1}, {"Sky", 0}, {"sky", 0}}, {2, 0}}, // descriptions are compared exactly
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        EXPECT_EQ(ListedPositions(cases[i].first), cases[i].second);
    }
}

TEST(SourceListing, AFileIsReadUntilItLoadsAndAgainAfterAFailureOnlyOnceItHasChanged) {
    FileTrials trials;
    const FileStamp first{10, 52}, written{11, 900};
    EXPECT_TRUE(trials.ShouldTry("a.bxb", first));
    trials.Record("a.bxb", first, false); // caught while its writer held it
    EXPECT_FALSE(trials.ShouldTry("a.bxb", first)) << "a broken file is told about once";
    EXPECT_TRUE(trials.ShouldTry("a.bxb", written));
    trials.Record("a.bxb", written, true);
    EXPECT_FALSE(trials.ShouldTry("a.bxb", FileStamp{12, 1000})) << "a loaded entry is held by the painting";
    EXPECT_TRUE(trials.ShouldTry("b.bxb", first));
}

} // namespace
} // namespace bndx
