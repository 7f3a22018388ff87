#pragma once
// A test with the real program in it (see ProgramDriver).

#include "program_driver.h"

#include <gtest/gtest.h>

namespace qv::test
{

// What the program writes into the main window's text box, as a user reads it there.
inline const QString allGood = QStringLiteral("All Good! Looks like it is working.");
inline const QString wellThatWasFun = QStringLiteral("Well that was fun ....");

class ProgramFixture : public ::testing::Test, public ProgramDriver
{
protected:
    explicit ProgramFixture(const QString &moduleDir = {})
        : ProgramDriver(moduleDir)
    {
    }
};

} // namespace qv::test
