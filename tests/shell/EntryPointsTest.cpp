// The host's entry points, the library entry point and resource switching.
#include <gtest/gtest.h>

#include "standins/kscene/KSceneStandIn.h"
#include "standins/mastercam/HostStandIn.h"
#include "standins/windows/MfcStandIn.h"
#include "shell/CDraftliftApp.h"
#include "shell/EntryPoints.h"
#include "shell/LibraryEntry.h"
#include "tests/support/StandIns.h"

namespace {

HINSTANCE Handle(std::uintptr_t value) { return reinterpret_cast<HINSTANCE>(value); }

class EntryPoints : public testing_support::FreshHost {
protected:
    void TearDown() override {
        theApp.m_hResource = nullptr;
        AfxGetModuleState()->m_hCurrentResourceHandle = nullptr;
        FreshHost::TearDown();
    }
};

TEST_F(EntryPoints, FixedAnswers) {
    EXPECT_EQ(m_main(), 0);
    EXPECT_EQ(m_version(), 2400);
}

TEST_F(EntryPoints, OpenLoadsTheModuleByNameWithoutSwitchingResources) {
    theApp.m_hResource = Handle(0x1000);
    AfxGetModuleState()->m_hCurrentResourceHandle = Handle(0x2000);
    EXPECT_EQ(m_open(), 0);
    EXPECT_EQ(standin::kscene::LoadedDlls(), std::vector<std::string>{"Draftlift.dll"});
    EXPECT_EQ(AfxGetModuleState()->m_hCurrentResourceHandle, Handle(0x2000));
}

// Thread notifications do nothing at all.
TEST_F(EntryPoints, AttachKeepsTheModuleResourcesAndDetachTerminates) {
    const int inits = standin::mfc::ExtensionInitCount();
    const int terms = standin::mfc::ExtensionTermCount();
    ASSERT_EQ(DllMain(Handle(0x4000), DLL_PROCESS_ATTACH, nullptr), TRUE);
    EXPECT_EQ(theApp.m_hResource, standin::mfc::ResourceHandleOf(Handle(0x4000)));
    EXPECT_EQ(DllMain(Handle(0x4000), DLL_THREAD_ATTACH, nullptr), TRUE);
    EXPECT_EQ(DllMain(Handle(0x4000), DLL_THREAD_DETACH, nullptr), TRUE);
    EXPECT_EQ(standin::mfc::ExtensionInitCount(), inits + 1);
    EXPECT_EQ(standin::mfc::ExtensionTermCount(), terms);
    EXPECT_EQ(DllMain(Handle(0x4000), DLL_PROCESS_DETACH, nullptr), TRUE);
    EXPECT_EQ(standin::mfc::ExtensionTermCount(), terms + 1);
    EXPECT_FALSE(standin::mfc::LastTermAll());
}

TEST_F(EntryPoints, FailedAttachReportsFailureAndKeepsNoHandle) {
    standin::mfc::FailNextExtensionInit();
    EXPECT_EQ(DllMain(Handle(0x4000), DLL_PROCESS_ATTACH, nullptr), FALSE);
    EXPECT_EQ(theApp.m_hResource, nullptr);
}

TEST_F(EntryPoints, InitializeTakesTheThirdWordAndRunDoesNothing) {
    std::uint64_t block[4] = {11, 22, 0x5000, 44};
    CDraftliftApp app;
    EXPECT_TRUE(app.Initialize(block));
    EXPECT_EQ(app.m_hResource, Handle(0x5000));
    EXPECT_EQ(app.Run(), 0);
}

// A null own handle leaves the current one; a null held handle is not put back.
TEST_F(EntryPoints, BothWalksSwitchResourcesAndRestoreThem) {
    const struct {
        std::uintptr_t own, current, duringWalk, afterWalk;
    } cases[] = {{0x10, 0x20, 0x10, 0x20}, {0, 0x20, 0x20, 0x20}, {0x10, 0, 0x10, 0x10}, {0, 0, 0, 0}};
    for (const auto& c : cases) {
        for (int (*command)() : {m_Draftlift, m_DraftliftFromMCAM}) {
            theApp.m_hResource = Handle(c.own);
            AfxGetModuleState()->m_hCurrentResourceHandle = Handle(c.current);
            command();
            EXPECT_EQ(standin::host::ResourcesAtLastRepaint(), Handle(c.duringWalk)) << c.own << " " << c.current;
            EXPECT_EQ(AfxGetModuleState()->m_hCurrentResourceHandle, Handle(c.afterWalk)) << c.own << " " << c.current;
        }
    }
}

}  // namespace
