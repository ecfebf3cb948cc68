#pragma once

#include "app/Program.h"
#include "gui/ProgramWindows.h"
#include "support/TestPlatform.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace orebell::test {

// The program run on a test platform with its windows shown, as a player first sees it.
struct ShownProgram : ::testing::Test {
    TestPlatform platform;
    Program program{platform};
    std::unique_ptr<ProgramWindows> windows;

    void SetUp() override
    {
        program.run();
        windows = std::make_unique<ProgramWindows>(program, platform.messageBox());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows->mainView()));
    }
    FormView& view() { return windows->mainView(); }
    Control& c(const char* name, int index = -1)
    {
        return program.mainForm().control(QString::fromLatin1(name), index);
    }
};

} // namespace orebell::test
