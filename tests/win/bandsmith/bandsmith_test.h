// Where every test of the running editor starts: a folder standing for the installation, whose
// Data folder Banderix.INI makes the editor's data directory, another folder for files kept
// elsewhere, an empty profile, and the program itself, ended before the test is over.
#pragma once

#include "platform/framework/framework_ids.h"
#include "resources/editor/resource.h"
#include "tests/win/driver/bandsmith_program.h"
#include "tests/win/driver/e2e_test.h"
#include "tests/win/driver/settings_file.h"
#include "tests/win/driver/subject_window.h"

#include <filesystem>
#include <string>

namespace bndx::e2e {

using test::kScrollTimeoutMs;
using test::PatchedBandpost;

// A message program is on its way across a caption.
bool MessageProgramRunning();

class BandsmithTest : public ::testing::Test {
protected:
    BandsmithTest();
    void TearDown() override;

    std::string DataDirectory() const { return installation / "Data\\"; }

    // Starts the editor without a document and chooses the type in the New dialog.
    ::testing::AssertionResult StartWithNew(NewType type, HWND& child);
    // Chooses Save and keeps the name the Save As dialog proposes; proposed receives it.
    ::testing::AssertionResult SaveThroughDialog(std::string* proposed = nullptr);

    ScratchFolder installation;
    ScratchFolder elsewhere;
    SettingsFile settings;
    BandsmithProfile profile;
    BandsmithProgram editor;
};

} // namespace bndx::e2e
