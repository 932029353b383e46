/* A C99 caller of the installed library: the public header compiles as
 * pedantic C99, and records and results cross the C boundary intact. Any
 * failed check gives a non-zero exit. */
#include <draftlift/draftlift.h>
#include <stdio.h>

int main(void) {
    KSDKCommonData common;
    KSDKTargetPtData target;
    KSDKHandle datum;
    if (KSDKGetMbdVersion() != 2 || KSDKGetMbdMinorVersion() != 7) return 1;
    if (KSDK_MBD_VERSION_MAJOR != 2 || KSDK_MBD_VERSION_MINOR != 7) return 1;
    datum = KSDKCreateMbd(KSDK_MBD_DATUM);
    if (datum == NULL || KSDKAddTarget(datum) == NULL) return 2;
    KSDKInitCommonData(&common);
    common.name = "A";
    KSDKSetCommonData(datum, &common);
    KSDKFinishMbd(datum);
    KSDKInitTargetPtData(&target);
    if (target.targetId1 != -1 || target.targetId4 != -1 || target.targetOption != 0) return 3;
    if (KSDKCreateMbd(8) != NULL) return 4;
    if (KSDKGetNumberOfPossibleSubBalloons(NULL) != -1 || KSDKIsBalloonRowVisible(NULL, 0)) return 5;
    printf("datum built through the installed interface\n");
    return 0;
}
