#pragma once
// A test with the real program in it (see ProgramDriver).

#include "program_driver.h"

#include <gtest/gtest.h>

namespace qv::test
{

class ProgramFixture : public ::testing::Test, public ProgramDriver
{
protected:
    explicit ProgramFixture(const QString &moduleDir = {})
        : ProgramDriver(moduleDir)
    {
    }
};

} // namespace qv::test
