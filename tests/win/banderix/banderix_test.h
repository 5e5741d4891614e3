// Where every test of the running program starts: the settings file it prepares (or none)
// and a private copy of Banderix with an empty DATA folder, ended before the test is over.
#pragma once

#include "common/painter_messages.h"
#include "resources/painter/resource.h"
#include "tests/win/desktop.h"
#include "tests/win/driver/banderix_program.h"
#include "tests/win/driver/program_windows.h"
#include "tests/win/driver/settings_file.h"
#include "tests/win/driver/subject_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>

namespace bndx::e2e {

using test::PumpMessages;
using test::WaitFor;

class BanderixTest : public ::testing::Test {
protected:
    // Starts the program and waits until it sits in the tray with nothing on screen.
    ::testing::AssertionResult StartSettled() {
        if (!program.Start()) return ::testing::AssertionFailure() << "could not start " << program.ProgramPath();
        if (!program.WaitUntilSettled()) {
            SaveScreen("unsettled");
            return ::testing::AssertionFailure() << "start-up did not settle: " << program.DescribeVisible();
        }
        return ::testing::AssertionSuccess();
    }

    void TearDown() override {
        if (HasFailure()) {
            SaveScreen("failed");
            std::printf("On screen at the end: %s\n", program.DescribeVisible().c_str());
        }
    }

    // The whole desktop, named after the running test.
    static void SaveScreen(const std::string& what) {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name() + "-" + what;
        for (char& c : name)
            if (c == '/') c = '_';
        test::ScreenCapture::OfWindow(GetDesktopWindow()).Save(name);
    }

    // Destroyed after the program, which writes the file as it ends.
    SettingsFile settings;
    BanderixProgram program;
};

template <typename Case> class BanderixTableTest : public BanderixTest, public ::testing::WithParamInterface<Case> {};

// Names the instances of a table after its cases.
template <typename Case> std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

} // namespace bndx::e2e
