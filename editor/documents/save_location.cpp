#include "editor/documents/save_location.h"

namespace bndx {

std::string DataDirectoryFromPath(const std::string& pathValue) {
    return pathValue + "\\Data\\";
}

std::string ProposedFileName(const std::string& description, const char* extension, LetterOrDigitTest isLetterOrDigit) {
    std::string name = description;
    for (char& c : name)
        if (!isLetterOrDigit(c))
            c = '_';
    return name + extension;
}

namespace {

// Only ASCII letters are folded: a folder that differs in the case of another letter merely
// costs the user one question.
char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

} // namespace

bool IsInDataDirectory(const std::string& chosenPath, const std::string& dataDirectory) {
    const size_t slash = chosenPath.rfind('\\');
    if (slash == std::string::npos)
        return true;
    return EqualIgnoringCase(chosenPath.substr(0, slash + 1), dataDirectory);
}

std::string FileNamePart(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string InDataDirectory(const std::string& chosenPath, const std::string& dataDirectory) {
    return dataDirectory + FileNamePart(chosenPath);
}

const DataFileKind kBackgroundFile{
    kBackgroundExtension, "BXB", "BXB Files (*.bxb)|*.bxb|",
    "For Banderix to find and load Backgrounds, they must be saved to the %s directory.  Click YES to save to the "
    "directory you have specified or NO to save to the default Banderix Data directory.",
    false};

const DataFileKind kForegroundFile{
    kForegroundExtension, "BXF", "BXF Files (*.bxf)|*.bxf|",
    "For Banderix to load Foregrounds, they must be saved to the %s directory.  You have selected another "
    "directory.  Click Yes to save to the default Banderix Data directory.",
    true};

std::string DataDirectoryQuestion(const DataFileKind& kind, const std::string& dataDirectory) {
    std::string question = kind.Question;
    return question.replace(question.find("%s"), 2, dataDirectory);
}

std::string PathAfterAnswer(const DataFileKind& kind, bool answeredYes, const std::string& chosenPath,
                            const std::string& dataDirectory) {
    return answeredYes == kind.YesMovesIntoData ? InDataDirectory(chosenPath, dataDirectory) : chosenPath;
}

} // namespace bndx
