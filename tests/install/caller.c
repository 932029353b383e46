/* A C99 caller of the installed library: builds a datum through the
 * exported interface and checks the answers a caller relies on. */
#include <draftlift/draftlift.h>
#include <stdio.h>

int main(void) {
    KSDKCommonData common;
    KSDKHandle datum;
    if (KSDKGetMbdVersion() != 2 || KSDKGetMbdMinorVersion() != 7) return 1;
    datum = KSDKCreateMbd(KSDK_MBD_DATUM);
    if (datum == NULL) return 2;
    KSDKInitCommonData(&common);
    common.name = "A";
    KSDKSetCommonData(datum, &common);
    KSDKFinishMbd(datum);
    if (KSDKCreateMbd(8) != NULL) return 3;
    if (KSDKGetNumberOfPossibleSubBalloons(NULL) != -1) return 4;
    printf("datum built through the installed interface\n");
    return 0;
}
