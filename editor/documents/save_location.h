// Where the editor proposes to save backgrounds and foregrounds: Banderix finds them only in its
// data directory, so "Save As" starts there and asks when the user picks another folder.
#pragma once

#include <string>

namespace bndx {

constexpr char kBackgroundExtension[] = ".bxb";
constexpr char kForegroundExtension[] = ".bxf";

// The data directory from the Path value of section Main of Banderix.INI. An empty value gives
// "\Data\", the root of the current drive, as the value has always been taken.
std::string DataDirectoryFromPath(const std::string& pathValue);

// Whether a character may stay in a file name as it is. On Windows this is IsCharAlphaNumericA,
// so that the letters of the user's code page count as letters.
using LetterOrDigitTest = bool (*)(char c);

// The description with every character that is not a letter or digit replaced by "_", followed
// by the extension: "My Sky #2" and ".bxb" give "My_Sky__2.bxb". The folder is the caller's.
std::string ProposedFileName(const std::string& description, const char* extension, LetterOrDigitTest isLetterOrDigit);

// A folder name in one letter case, as the file system compares them. On Windows this is
// CharUpperBuffA, so that every letter of the user's code page counts, not only A to Z.
using FolderCaseFold = std::string (*)(const std::string& name);

// Whether a path chosen in the save dialog lies in the data directory: its folder (everything up
// to and including the last backslash) equals the data directory once both are folded. A path
// without any backslash has no folder to object to, so it counts as lying there.
bool IsInDataDirectory(const std::string& chosenPath, const std::string& dataDirectory, FolderCaseFold fold);

// The part after the last backslash; the whole text when there is none.
std::string FileNamePart(const std::string& path);

// The same file name, moved into the data directory.
std::string InDataDirectory(const std::string& chosenPath, const std::string& dataDirectory);

// A kind of file Banderix reads from its data directory, as its save is worded.
struct DataFileKind {
    const char* Extension;       // kBackgroundExtension or kForegroundExtension
    const char* DialogExtension; // what the save dialog appends to a bare name
    const char* Filter;          // the save dialog's filter
    const char* Question;        // asked when the chosen folder is another; %s is the data directory
    bool YesMovesIntoData;       // which answer saves into the data directory instead
};

// The two kinds ask in their own words, and a background moves on No where a foreground moves on
// Yes, as each kind always has.
extern const DataFileKind kBackgroundFile;
extern const DataFileKind kForegroundFile;

// The question, naming the data directory.
std::string DataDirectoryQuestion(const DataFileKind& kind, const std::string& dataDirectory);

// Where the file is saved once the question is answered: the chosen path, or the same name in the
// data directory.
std::string PathAfterAnswer(const DataFileKind& kind, bool answeredYes, const std::string& chosenPath,
                            const std::string& dataDirectory);

} // namespace bndx
