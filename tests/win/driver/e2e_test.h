// What the suites that drive the programs share: the desktop saved when a test fails, and
// tables of cases whose instances are named after them.
#pragma once

#include "tests/win/desktop.h"
#include "tests/win/driver/banderix_program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace bndx::e2e {

using test::PumpMessages;
using test::WaitFor;

// The whole desktop, named after the running test, and what the program shows then.
inline void SaveScreen(const Process& program, const std::string& what) {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name() + "-" + what;
    for (char& c : name)
        if (c == '/')
            c = '_';
    test::ScreenCapture::OfWindow(GetDesktopWindow()).Save(name);
    std::printf("On screen when %s: %s\n", what.c_str(), program.DescribeVisible().c_str());
}

template <typename Fixture, typename Case>
class TableTest : public Fixture, public ::testing::WithParamInterface<Case> {};

template <typename Case> std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

} // namespace bndx::e2e
