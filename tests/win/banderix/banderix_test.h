// Where every test of the running program starts: the settings file it prepares (or none)
// and a private copy of Banderix with an empty DATA folder, ended before the test is over.
#pragma once

#include "common/painter_messages.h"
#include "resources/painter/resource.h"
#include "tests/win/driver/e2e_test.h"
#include "tests/win/driver/settings_file.h"
#include "tests/win/driver/subject_window.h"

namespace bndx::e2e {

// The colour near the right end of a list row as the screen shows it, clear of the row's label.
inline uint32_t RowEndColour(const ListBox& list, int row) {
    RECT client, window;
    GetClientRect(list.Handle(), &client);
    GetWindowRect(list.Handle(), &window);
    POINT at{client.right - 8, row * list.ItemHeight() + list.ItemHeight() / 2};
    ClientToScreen(list.Handle(), &at);
    return test::ScreenCapture::OfWindow(list.Handle()).At(at.x - window.left, at.y - window.top);
}

class BanderixTest : public ::testing::Test {
protected:
    // Starts the program and waits until it sits in the tray with nothing on screen.
    ::testing::AssertionResult StartSettled() {
        if (!program.Start())
            return ::testing::AssertionFailure()
                   << "could not start " << program.ProgramPath() << " (error " << program.StartError() << ")";
        if (!program.WaitUntilSettled()) {
            SaveScreen(program, "unsettled");
            return ::testing::AssertionFailure() << "start-up did not settle: " << program.DescribeVisible();
        }
        return ::testing::AssertionSuccess();
    }

    void TearDown() override {
        if (HasFailure())
            SaveScreen(program, "failed");
    }

    // Destroyed after the program, which writes the file as it ends.
    SettingsFile settings;
    BanderixProgram program;
};

} // namespace bndx::e2e
