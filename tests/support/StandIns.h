// Puts every stand-in of the outside components back to its first state.
#pragma once

#include <gtest/gtest.h>

namespace testing_support {

void ResetStandIns();

// A fixture whose every test starts on fresh stand-ins.
class FreshHost : public ::testing::Test {
protected:
    void SetUp() override { ResetStandIns(); }
    void TearDown() override { ResetStandIns(); }
};

}  // namespace testing_support
