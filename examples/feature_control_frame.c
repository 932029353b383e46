/* Builds one complete feature control frame through the exported interface:
 * name and anchor, two sub-frames (position with two controls, flatness
 * with one), datum references, a target point, a witness segment and a main
 * balloon, then finishes it and prints the scene. */
#include <draftlift/draftlift.h>
#include <draftlift/standin_tools.h>
#include <stdio.h>

/* Scene symbols used below, by their place in the scene library's list. */
enum { SYMBOL_POSITION = 0, SYMBOL_DIAMETER = 1, SYMBOL_FLATNESS = 4, SYMBOL_MMC = 6 };

struct ControlTexts {
    const char* tolerance;
    const char* datum1;
    const char* datum2;
    const char* datum3;
};

static int add_control(KSDKHandle subFrame, const struct ControlTexts* texts) {
    KSDKControlData data;
    KSDKHandle control = KSDKAddControlToFrame(subFrame);
    if (control == NULL) return 0;
    KSDKInitControlData(&data);
    data.toleranceText = texts->tolerance;
    data.datumRef1Text = texts->datum1;
    data.datumRef2Text = texts->datum2;
    data.datumRef3Text = texts->datum3;
    KSDKSetControlData(control, &data);
    return 1;
}

static KSDKHandle add_sub_frame(KSDKHandle frame, int symbol) {
    KSDKHandle subFrame = KSDKAddFrame(frame);
    if (subFrame != NULL) KSDKSetFrameSymbol(subFrame, KSDKGetSymbolChar(symbol));
    return subFrame;
}

int main(void) {
    char positionTolerance[16];
    char flatnessTolerance[16];
    KSDKCommonData common;
    KSDKTargetPtData target;
    KSDKWitnessSegment witness = {{40.0, 10.0, 0.0}, {40.0, 25.0, 0.0}};
    KSDKMbdBalloonData balloon;
    KSDKHandle frame;
    KSDKHandle position;
    KSDKHandle flatness;
    KSDKHandle targetHandle;
    struct ControlTexts primary = {positionTolerance, "A", "B", "C"};
    struct ControlTexts refinement = {"0.02", "A", NULL, NULL};
    struct ControlTexts flat = {flatnessTolerance, NULL, NULL, NULL};

    /* Symbols inside texts are written as the characters the interface names. */
    snprintf(positionTolerance, sizeof positionTolerance, "%c0.1%c", KSDKGetSymbolChar(SYMBOL_DIAMETER),
             KSDKGetSymbolChar(SYMBOL_MMC));
    snprintf(flatnessTolerance, sizeof flatnessTolerance, "0.05");

    printf("annotation interface %d.%d\n", (int)KSDKGetMbdVersion(), (int)KSDKGetMbdMinorVersion());
    frame = KSDKCreateMbd(KSDK_MBD_FEATURE_CONTROL_FRAME);
    if (frame == NULL) {
        fprintf(stderr, "no scene to build in\n");
        return 1;
    }

    KSDKInitCommonData(&common);
    common.anchorPoint.x = 40.0;
    common.anchorPoint.y = 30.0;
    common.name = "FCF-1";
    KSDKSetCommonData(frame, &common);

    position = add_sub_frame(frame, SYMBOL_POSITION);
    flatness = add_sub_frame(frame, SYMBOL_FLATNESS);
    if (!add_control(position, &primary) || !add_control(position, &refinement) || !add_control(flatness, &flat)) {
        fprintf(stderr, "a control was refused\n");
        return 1;
    }

    targetHandle = KSDKAddTarget(frame);
    KSDKInitTargetPtData(&target);
    target.targetPoint.x = 40.0;
    target.targetPoint.y = 10.0;
    target.targetId1 = 101;
    KSDKSetTargetPtData(targetHandle, &target);

    KSDKAddWitnessSegment(frame, &witness);

    KSDKInitMbdBalloonData(&balloon);
    balloon.text = "1";
    if (KSDKCreateMainBalloon(frame, &balloon) == NULL) return 1;
    printf("balloon rows: %d\n", (int)KSDKGetNumberOfPossibleSubBalloons(frame));

    KSDKFinishMbd(frame);
    return DraftliftPrintSceneJson() == 0 ? 0 : 1;
}
