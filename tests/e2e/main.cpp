#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

// Every test starts and ends with none of the program's keys.
struct RegistryReset : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { e2e::resetRegistry(); }
    void OnTestEnd(const ::testing::TestInfo&) override { e2e::resetRegistry(); }
};

int main(int argc, char** argv)
{
    // A crash must fail the run, not wait for someone to close a dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new RegistryReset);
    return RUN_ALL_TESTS();
}
