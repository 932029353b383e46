/* A C99 caller of the annotation interface: the public header compiles as
 * C, the library links, and records and results cross the C boundary intact.
 * Returns the number of failed checks. */
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
    KSDKTargetPtData target;
    KSDKHandle frame;

    check(KSDKGetMbdVersion() == KSDK_MBD_VERSION_MAJOR, "major version");
    check(KSDKGetMbdMinorVersion() == KSDK_MBD_VERSION_MINOR, "minor version");
    KSDKInitTargetPtData(&target);
    check(target.targetId1 == -1 && target.targetId4 == -1 && target.targetOption == 0, "target defaults");
    frame = KSDKCreateMbd(KSDK_MBD_FEATURE_CONTROL_FRAME);
    check(frame != NULL && KSDKAddTarget(frame) != NULL, "frame and target created");
    check(KSDKGetNumberOfPossibleSubBalloons(NULL) == -1, "null row count");
    check(!KSDKIsBalloonRowVisible(NULL, 0), "null row visibility");
    return failures;
}
