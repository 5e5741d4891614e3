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

bool IsInDataDirectory(const std::string& chosenPath, const std::string& dataDirectory, FolderCaseFold fold) {
    const size_t slash = chosenPath.rfind('\\');
    if (slash == std::string::npos)
        return true;
    return fold(chosenPath.substr(0, slash + 1)) == fold(dataDirectory);
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
