// Puts every stand-in of the outside components back to its first state.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "standins/kscene/KSceneStandIn.h"

namespace testing_support {

void ResetStandIns();

// A fixture whose every test starts on fresh stand-ins, with what the scene
// was told since.
class FreshHost : public ::testing::Test {
protected:
    void SetUp() override { ResetStandIns(); }
    void TearDown() override { ResetStandIns(); }

    // The objects the scene holds, in the order it took them.
    static const std::vector<standin::kscene::SceneEntry>& Entries() { return standin::kscene::Entries(); }
    // How often the scene heard that this object changed.
    static int Notices(const void* object) { return standin::kscene::Notices(object); }
    static const std::vector<std::string>& Undo() { return standin::kscene::UndoPoints(); }
};

}  // namespace testing_support
