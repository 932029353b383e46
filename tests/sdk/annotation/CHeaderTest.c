/* A C99 caller of the annotation interface: the public header compiles as
 * C, the library links, and the records come back from Init with their
 * defaults. Returns the number of failed checks. */
#include <draftlift/draftlift.h>
#include <stdio.h>

static int failures = 0;

static void check(int condition, const char* what) {
    if (!condition) {
        ++failures;
        fprintf(stderr, "failed: %s\n", what);
    }
}

int main(void) {
    KSDKCommonData common;
    KSDKMbdData mbd;
    KSDKTargetPtData target;
    KSDKControlData control;
    KSDKMbdBalloonData balloon;
    KSDKHandle frame;

    check(KSDKGetMbdVersion() == KSDK_MBD_VERSION_MAJOR, "major version");
    check(KSDKGetMbdMinorVersion() == KSDK_MBD_VERSION_MINOR, "minor version");
    KSDKInitCommonData(&common);
    check(common.name == NULL && common.anchorPoint.x == 0.0, "common defaults");
    KSDKInitMbdData(&mbd);
    check(mbd.text1 == NULL && mbd.option1 == 0, "mbd defaults");
    KSDKInitTargetPtData(&target);
    check(target.targetId1 == -1 && target.targetId4 == -1 && target.targetOption == 0, "target defaults");
    KSDKInitControlData(&control);
    check(control.toleranceText == NULL && control.controlText5 == NULL, "control defaults");
    KSDKInitMbdBalloonData(&balloon);
    check(balloon.text == NULL, "balloon defaults");

    frame = KSDKCreateMbd(KSDK_MBD_FEATURE_CONTROL_FRAME);
    check(frame != NULL, "frame created");
    check(KSDKAddTarget(NULL) == NULL, "null annotation refused");
    check(KSDKGetNumberOfPossibleSubBalloons(NULL) == -1, "null row count");
    check(!KSDKIsBalloonRowVisible(NULL, 0), "null row visibility");
    check(KSDKCreateMbd(8) == NULL, "unknown kind");
    return failures;
}
