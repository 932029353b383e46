/*
 * Draftlift: the exported C interface.
 *
 * Other modules of the host build scene objects through these functions:
 * MBD annotations, named views, visibility and level records, groups, tab
 * state, point clouds and meshes. Callers fill plain records (each prepared
 * by its Init function) and pass them with handles; records and their arrays
 * are read only during a call. A handle is the address of an object; zero
 * means no object or failure.
 *
 * The header compiles as C99 and as C++.
 */
#ifndef DRAFTLIFT_DRAFTLIFT_H
#define DRAFTLIFT_DRAFTLIFT_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#  if defined(DRAFTLIFT_BUILDING)
#    define KSDK_API __declspec(dllexport)
#  elif defined(DRAFTLIFT_STATIC)
#    define KSDK_API
#  else
#    define KSDK_API __declspec(dllimport)
#  endif
#else
#  define KSDK_API __attribute__((visibility("default")))
#endif

/* Compile-time layout checks that work in C99, C11 and C++. */
#if defined(__cplusplus)
#  define KSDK_LAYOUT_CHECK(cond, name) static_assert(cond, #name)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#  define KSDK_LAYOUT_CHECK(cond, name) _Static_assert(cond, #name)
#else
#  define KSDK_LAYOUT_CHECK(cond, name) typedef char ksdk_layout_##name[(cond) ? 1 : -1]
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The address of an object; zero means no object or failure. */
typedef void* KSDKHandle;

/* ---- MBD annotations (interface version 2.7) ------------------------- */
/* @annotation-section-begin */

/* Interface version of the annotation functions. */
enum { KSDK_MBD_VERSION_MAJOR = 2, KSDK_MBD_VERSION_MINOR = 7 };

/* The annotation kinds KSDKCreateMbd makes. */
typedef enum KSDKMbdKind {
    KSDK_MBD_FEATURE_CONTROL_FRAME = 0,
    KSDK_MBD_DATUM = 1,
    KSDK_MBD_DATUM_TARGET = 2,
    KSDK_MBD_TWO_POINT_DIMENSION = 3,
    KSDK_MBD_ANGLE_DIMENSION = 4,
    KSDK_MBD_NOTE = 5,
    KSDK_MBD_RADIUS_DIMENSION = 6,
    KSDK_MBD_DIAMETER_DIMENSION = 7
} KSDKMbdKind;

/* A point in scene coordinates. */
typedef struct KSDKPoint3 {
    double x;
    double y;
    double z;
} KSDKPoint3;

KSDK_LAYOUT_CHECK(sizeof(KSDKPoint3) == 24, point3_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKPoint3, x) == 0, point3_x);
KSDK_LAYOUT_CHECK(offsetof(KSDKPoint3, y) == 8, point3_y);
KSDK_LAYOUT_CHECK(offsetof(KSDKPoint3, z) == 16, point3_z);

/* Texts in the records below are zero-terminated narrow strings; null means
 * "not given". Names use the active ANSI code page; every other text may hold
 * symbol characters from KSDKGetSymbolChar. */

/* Anchor point and name of any annotation. */
typedef struct KSDKCommonData {
    KSDKPoint3 anchorPoint;
    const char* name;
} KSDKCommonData;

KSDK_LAYOUT_CHECK(sizeof(KSDKCommonData) == 32, common_data_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKCommonData, anchorPoint) == 0, common_data_anchor);
KSDK_LAYOUT_CHECK(offsetof(KSDKCommonData, name) == 24, common_data_name);

/* The flagged texts of any annotation: a given text is enabled and stored,
 * a missing one is disabled and keeps its stored text. */
typedef struct KSDKMbdData {
    const char* text1;
    const char* text2;
    const char* text3;
    const char* datumLabel;
    const char* text5;
    uint8_t option1;
} KSDKMbdData;

KSDK_LAYOUT_CHECK(sizeof(KSDKMbdData) == 48, mbd_data_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKMbdData, text1) == 0, mbd_data_text1);
KSDK_LAYOUT_CHECK(offsetof(KSDKMbdData, text2) == 8, mbd_data_text2);
KSDK_LAYOUT_CHECK(offsetof(KSDKMbdData, text3) == 16, mbd_data_text3);
KSDK_LAYOUT_CHECK(offsetof(KSDKMbdData, datumLabel) == 24, mbd_data_datum_label);
KSDK_LAYOUT_CHECK(offsetof(KSDKMbdData, text5) == 32, mbd_data_text5);
KSDK_LAYOUT_CHECK(offsetof(KSDKMbdData, option1) == 40, mbd_data_option1);

/* Two more option bytes; there is no Init function for it. */
typedef struct KSDKMbdDataExtra {
    uint8_t option2;
    uint8_t option3;
} KSDKMbdDataExtra;

KSDK_LAYOUT_CHECK(sizeof(KSDKMbdDataExtra) == 2, mbd_data_extra_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKMbdDataExtra, option2) == 0, mbd_data_extra_option2);
KSDK_LAYOUT_CHECK(offsetof(KSDKMbdDataExtra, option3) == 1, mbd_data_extra_option3);

/* Datums and datum targets; only a datum target takes datumTargetText. */
typedef struct KSDKDatumData {
    const char* datumLabel;
    const char* datumTargetText;
} KSDKDatumData;

KSDK_LAYOUT_CHECK(sizeof(KSDKDatumData) == 16, datum_data_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKDatumData, datumLabel) == 0, datum_data_label);
KSDK_LAYOUT_CHECK(offsetof(KSDKDatumData, datumTargetText) == 8, datum_data_target_text);

/* The four dimension kinds. Both numbers are always written. */
typedef struct KSDKDimensionData {
    int32_t dimensionNumber1;
    const char* dimensionText1;
    const char* dimensionText2;
    const char* dimensionText3;
    int32_t dimensionNumber2;
    const char* text2;
} KSDKDimensionData;

KSDK_LAYOUT_CHECK(sizeof(KSDKDimensionData) == 48, dimension_data_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKDimensionData, dimensionNumber1) == 0, dimension_data_number1);
KSDK_LAYOUT_CHECK(offsetof(KSDKDimensionData, dimensionText1) == 8, dimension_data_text1);
KSDK_LAYOUT_CHECK(offsetof(KSDKDimensionData, dimensionText2) == 16, dimension_data_text2);
KSDK_LAYOUT_CHECK(offsetof(KSDKDimensionData, dimensionText3) == 24, dimension_data_text3);
KSDK_LAYOUT_CHECK(offsetof(KSDKDimensionData, dimensionNumber2) == 32, dimension_data_number2);
KSDK_LAYOUT_CHECK(offsetof(KSDKDimensionData, text2) == 40, dimension_data_mbd_text2);

/* A target point. An id of -1 leaves the target's id as it is; targetId4 is
 * written only together with targetId3. */
typedef struct KSDKTargetPtData {
    uint8_t targetOption;
    KSDKPoint3 targetPoint;
    int32_t targetId1;
    int32_t targetId2;
    int32_t targetId3;
    int32_t targetId4;
} KSDKTargetPtData;

KSDK_LAYOUT_CHECK(sizeof(KSDKTargetPtData) == 48, target_data_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKTargetPtData, targetOption) == 0, target_data_option);
KSDK_LAYOUT_CHECK(offsetof(KSDKTargetPtData, targetPoint) == 8, target_data_point);
KSDK_LAYOUT_CHECK(offsetof(KSDKTargetPtData, targetId1) == 32, target_data_id1);
KSDK_LAYOUT_CHECK(offsetof(KSDKTargetPtData, targetId2) == 36, target_data_id2);
KSDK_LAYOUT_CHECK(offsetof(KSDKTargetPtData, targetId3) == 40, target_data_id3);
KSDK_LAYOUT_CHECK(offsetof(KSDKTargetPtData, targetId4) == 44, target_data_id4);

/* The compartments of one control of a feature control frame; a missing
 * text leaves the control's text as it is. */
typedef struct KSDKControlData {
    const char* toleranceText;
    const char* datumRef1Text;
    const char* datumRef2Text;
    const char* datumRef3Text;
    const char* controlText5;
} KSDKControlData;

KSDK_LAYOUT_CHECK(sizeof(KSDKControlData) == 40, control_data_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKControlData, toleranceText) == 0, control_data_tolerance);
KSDK_LAYOUT_CHECK(offsetof(KSDKControlData, datumRef1Text) == 8, control_data_ref1);
KSDK_LAYOUT_CHECK(offsetof(KSDKControlData, datumRef2Text) == 16, control_data_ref2);
KSDK_LAYOUT_CHECK(offsetof(KSDKControlData, datumRef3Text) == 24, control_data_ref3);
KSDK_LAYOUT_CHECK(offsetof(KSDKControlData, controlText5) == 32, control_data_text5);

/* One witness segment; there is no Init function for it. */
typedef struct KSDKWitnessSegment {
    KSDKPoint3 start;
    KSDKPoint3 end;
} KSDKWitnessSegment;

KSDK_LAYOUT_CHECK(sizeof(KSDKWitnessSegment) == 48, witness_segment_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKWitnessSegment, start) == 0, witness_segment_start);
KSDK_LAYOUT_CHECK(offsetof(KSDKWitnessSegment, end) == 24, witness_segment_end);

/* A balloon's text; null leaves the text as it is. */
typedef struct KSDKMbdBalloonData {
    const char* text;
} KSDKMbdBalloonData;

KSDK_LAYOUT_CHECK(sizeof(KSDKMbdBalloonData) == 8, balloon_data_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKMbdBalloonData, text) == 0, balloon_data_text);

/* Lifecycle: create (the annotation is in the scene from then on), fill in
 * any order, finish (change notice and the "Import MBD" undo point). */
KSDK_API int32_t KSDKGetMbdVersion(void);
KSDK_API int32_t KSDKGetMbdMinorVersion(void);
/* Annotations created while set are shown but never saved. Returns the
 * previous value so that a caller can put it back. */
KSDK_API bool KSDKSetCreateTempMbd(bool temporary);
KSDK_API bool KSDKGetCreateTempMbd(void);
/* A KSDKMbdKind; 0 for any other number or without a scene. Failures of the
 * scene library reach the caller. */
KSDK_API KSDKHandle KSDKCreateMbd(int32_t kind);
KSDK_API void KSDKFinishMbd(KSDKHandle annotation);
/* The character that stands for a scene MBD symbol inside texts. */
KSDK_API char KSDKGetSymbolChar(int32_t symbol);
/* Clears the whole scene database: every handle is gone afterwards. */
KSDK_API bool KSDKClearOrvantaDatabase(void);

/* Records. Init writes the defaults (nothing for null); Set does nothing
 * for a null handle or record, or for a handle of the wrong kind. */
KSDK_API void KSDKInitCommonData(KSDKCommonData* data);
KSDK_API void KSDKSetCommonData(KSDKHandle annotation, const KSDKCommonData* data);
KSDK_API void KSDKInitMbdData(KSDKMbdData* data);
KSDK_API void KSDKSetMbdData(KSDKHandle annotation, const KSDKMbdData* data);
KSDK_API void KSDKSetMbdDataExtra(KSDKHandle annotation, const KSDKMbdDataExtra* data);
KSDK_API void KSDKInitDatumData(KSDKDatumData* data);
KSDK_API void KSDKSetDatumData(KSDKHandle datum, const KSDKDatumData* data);
KSDK_API void KSDKInitDimensionData(KSDKDimensionData* data);
KSDK_API void KSDKSetDimensionData(KSDKHandle dimension, const KSDKDimensionData* data);

/* Targets, sub-frames, controls and witness segments. Target, sub-frame and
 * control handles are not checked: pass only what the Add functions gave. */
KSDK_API KSDKHandle KSDKAddTarget(KSDKHandle annotation);
KSDK_API void KSDKInitTargetPtData(KSDKTargetPtData* data);
KSDK_API void KSDKSetTargetPtData(KSDKHandle target, const KSDKTargetPtData* data);
KSDK_API KSDKHandle KSDKAddFrame(KSDKHandle annotation);
/* The sub-frame's characteristic symbol, normally from KSDKGetSymbolChar. */
KSDK_API void KSDKSetFrameSymbol(KSDKHandle subFrame, char symbol);
KSDK_API KSDKHandle KSDKAddControlToFrame(KSDKHandle subFrame);
KSDK_API void KSDKInitControlData(KSDKControlData* data);
KSDK_API void KSDKSetControlData(KSDKHandle control, const KSDKControlData* data);
KSDK_API void KSDKAddWitnessSegment(KSDKHandle annotation, const KSDKWitnessSegment* segment);
KSDK_API void KSDKDeleteWitnessLines(KSDKHandle annotation);

/* Balloons: a main balloon and one per balloon row, rows 0 to n - 1 where n
 * is KSDKGetNumberOfPossibleSubBalloons. The record may be null. */
KSDK_API void KSDKInitMbdBalloonData(KSDKMbdBalloonData* data);
KSDK_API void KSDKSetMbdBalloonData(KSDKHandle balloon, const KSDKMbdBalloonData* data);
KSDK_API KSDKHandle KSDKCreateMainBalloon(KSDKHandle annotation, const KSDKMbdBalloonData* data);
KSDK_API KSDKHandle KSDKCreateSubBalloon(KSDKHandle annotation, int32_t row,
                                         const KSDKMbdBalloonData* data);
/* -1 for anything but an annotation. */
KSDK_API int32_t KSDKGetNumberOfPossibleSubBalloons(KSDKHandle annotation);
/* false for anything but an annotation. */
KSDK_API bool KSDKIsBalloonRowVisible(KSDKHandle annotation, uint64_t row);

/* @annotation-section-end */

/* ---- Named views, visibility, levels, groups and tab state ----------- */
/* @view-section-begin */

/* A one-byte flag: non-zero means yes; the byte is kept as given. */
typedef uint8_t KSDKFlag;

/* What KSDKSetNamedViewData applies to a named view. Defaults come from
 * KSDKInitNamedViewData. */
typedef struct KSDKNamedViewData {
    /* View name in the active ANSI code page; null keeps the current name. */
    const char* name;
    /* Non-zero: the record carries an orientation and the view takes it. */
    KSDKFlag hasView;
    /* The three values that follow the orientation in the view description. */
    double viewParam1;
    double viewParam2;
    double viewParam3;
    /* 3 x 3 orientation, row by row. */
    double viewMatrix[9];
    /* Objects shown / hidden in the view. When both counts are 0 the view's
     * visibility set stays as it was. */
    const KSDKHandle* shownObjects;
    int32_t shownCount;
    const KSDKHandle* hiddenObjects;
    int32_t hiddenCount;
} KSDKNamedViewData;

KSDK_LAYOUT_CHECK(sizeof(KSDKNamedViewData) == 144, named_view_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKNamedViewData, name) == 0, named_view_name);
KSDK_LAYOUT_CHECK(offsetof(KSDKNamedViewData, hasView) == 8, named_view_has_view);
KSDK_LAYOUT_CHECK(offsetof(KSDKNamedViewData, viewParam1) == 16, named_view_param1);
KSDK_LAYOUT_CHECK(offsetof(KSDKNamedViewData, viewParam2) == 24, named_view_param2);
KSDK_LAYOUT_CHECK(offsetof(KSDKNamedViewData, viewParam3) == 32, named_view_param3);
KSDK_LAYOUT_CHECK(offsetof(KSDKNamedViewData, viewMatrix) == 40, named_view_matrix);
KSDK_LAYOUT_CHECK(offsetof(KSDKNamedViewData, shownObjects) == 112, named_view_shown);
KSDK_LAYOUT_CHECK(offsetof(KSDKNamedViewData, shownCount) == 120, named_view_shown_count);
KSDK_LAYOUT_CHECK(offsetof(KSDKNamedViewData, hiddenObjects) == 128, named_view_hidden);
KSDK_LAYOUT_CHECK(offsetof(KSDKNamedViewData, hiddenCount) == 136, named_view_hidden_count);

/* The host's tab flags saved by KSDKGetOrvantaTabStateAndRestoreMcamTabs,
 * one plain byte each as the core library writes it (0: not shown, any other
 * value: shown). Callers hold it as an opaque pointer and give it back to
 * KSDKRestoreOrvantaTabState, which frees it. */
typedef struct KSDKTabState {
    uint8_t tabsFlag2;
    uint8_t tabsFlag1;
} KSDKTabState;

KSDK_LAYOUT_CHECK(sizeof(KSDKTabState) == 2, tab_state_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKTabState, tabsFlag2) == 0, tab_state_flag2);
KSDK_LAYOUT_CHECK(offsetof(KSDKTabState, tabsFlag1) == 1, tab_state_flag1);

/* Named views: create, fill, optionally record the present visibility and
 * level state, then finish (change notice and the "Import Named View" undo
 * point). A named view is always saved with the scene. */
KSDK_API KSDKHandle KSDKCreateNamedView(void);
KSDK_API void KSDKInitNamedViewData(KSDKNamedViewData* data);
KSDK_API void KSDKSetNamedViewData(KSDKHandle view, const KSDKNamedViewData* data);
KSDK_API void KSDKFinishNamedView(KSDKHandle view);

/* Records the shown/hidden state of every annotation of the scene, and the
 * host's active and visible levels with its main level. */
KSDK_API void KSDKNamedViewRecordVisibility(KSDKHandle view);
KSDK_API void KSDKNamedViewRecordLevelState(KSDKHandle view);

/* The shown/hidden flag of any scene object; false for anything else. */
KSDK_API void KSDKSetVisibility(KSDKHandle object, KSDKFlag visible);
KSDK_API KSDKFlag KSDKGetVisibility(KSDKHandle object);

/* Groups the tree nodes of scene objects and earlier groups; the name (may be
 * null) uses the annotations' symbol text. Returns the group, or 0. */
KSDK_API KSDKHandle KSDKCreateGroup(const KSDKHandle* handles, int32_t count, const char* name);
KSDK_API void KSDKSetGroupName(KSDKHandle group, const char* name);

/* Saves the host's two tab flags and brings back the tabs under both; the
 * restore removes again the tabs whose saved flag was false. */
KSDK_API KSDKTabState* KSDKGetOrvantaTabStateAndRestoreMcamTabs(void);
KSDK_API void KSDKRestoreOrvantaTabState(KSDKTabState* state);

/* @view-section-end */

/* ---- Point clouds and meshes (interface version 1.0) ----------------- */
/* @mesh-section-begin */

/* Interface version of the cloud and mesh functions. */
enum { KSDK_MESH_VERSION_MAJOR = 1, KSDK_MESH_VERSION_MINOR = 0 };

/* Name (active ANSI code page; null keeps the name) and, when hasColor is
 * non-zero, colour of any scene object. Components 0.0 to 1.0; each becomes
 * a byte as component * 255 in single precision, truncated toward zero, low
 * eight bits kept, without clamping (1.5 gives 126, -0.5 gives 129). A NaN,
 * an infinity, or a product too large for any integer (beyond +-2^63) gives
 * 0, which is also the low byte of every finite product of 2^31 or more. */
typedef struct KSDKGeneralInfo {
    const char* name;
    uint8_t hasColor;
    float color[4]; /* red, green, blue, alpha */
} KSDKGeneralInfo;

KSDK_LAYOUT_CHECK(sizeof(KSDKGeneralInfo) == 32, general_info_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKGeneralInfo, name) == 0, general_info_name);
KSDK_LAYOUT_CHECK(offsetof(KSDKGeneralInfo, hasColor) == 8, general_info_has_color);
KSDK_LAYOUT_CHECK(offsetof(KSDKGeneralInfo, color) == 12, general_info_color);

/* count vertices appended to a cloud or mesh. points is required when count
 * is not 0; the other arrays are optional (normal 0,0,1, scalar 1.0 and
 * white without them). */
typedef struct KSDKVertices {
    const double* points;  /* x, y, z per vertex */
    uint32_t count;
    const double* normals; /* x, y, z per vertex */
    const double* scalars; /* one per vertex */
    const float* colors;   /* red, green, blue, alpha per vertex, as in KSDKGeneralInfo */
} KSDKVertices;

KSDK_LAYOUT_CHECK(sizeof(KSDKVertices) == 40, vertices_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKVertices, points) == 0, vertices_points);
KSDK_LAYOUT_CHECK(offsetof(KSDKVertices, count) == 8, vertices_count);
KSDK_LAYOUT_CHECK(offsetof(KSDKVertices, normals) == 16, vertices_normals);
KSDK_LAYOUT_CHECK(offsetof(KSDKVertices, scalars) == 24, vertices_scalars);
KSDK_LAYOUT_CHECK(offsetof(KSDKVertices, colors) == 32, vertices_colors);

/* count triangles appended to a mesh, three vertex indices each. */
typedef struct KSDKFaces {
    const uint32_t* indices;
    uint32_t count;
    const void* reserved;
} KSDKFaces;

KSDK_LAYOUT_CHECK(sizeof(KSDKFaces) == 24, faces_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKFaces, indices) == 0, faces_indices);
KSDK_LAYOUT_CHECK(offsetof(KSDKFaces, count) == 8, faces_count);
KSDK_LAYOUT_CHECK(offsetof(KSDKFaces, reserved) == 16, faces_reserved);

/* The local transform, sixteen elements. The scene receives it transposed:
 * m[4 * a + b] becomes its element 4 * b + a, so a matrix written row by row
 * reaches the scene's column-by-column storage. */
typedef struct KSDKTransform {
    double m[16];
} KSDKTransform;

KSDK_LAYOUT_CHECK(sizeof(KSDKTransform) == 128, transform_size);
KSDK_LAYOUT_CHECK(offsetof(KSDKTransform, m) == 0, transform_m);

KSDK_API int32_t KSDKGetMeshSdkVersion(void);
KSDK_API int32_t KSDKGetMeshSdkMinorVersion(void);

/* A new object that is not yet in the scene; 0 without a scene. Failures of
 * the scene library reach the caller. The caller must end it with
 * KSDKFinishObject or KSDKDiscardObject. */
KSDK_API KSDKHandle KSDKCreateCloud(void);
KSDK_API KSDKHandle KSDKCreateMesh(void);

/* Init writes the defaults (nothing for null). The setters return 0, or -1
 * for a null handle or record, a missing scene or a handle of the wrong kind;
 * on a finished object they also notify the scene. General info and the
 * transform apply to any scene object, faces only to a mesh. */
KSDK_API void KSDKInitGeneralInfo(KSDKGeneralInfo* info);
KSDK_API int32_t KSDKSetGeneralInfo(KSDKHandle object, const KSDKGeneralInfo* info);
KSDK_API void KSDKInitVertices(KSDKVertices* vertices);
KSDK_API int32_t KSDKSetVertices(KSDKHandle cloud, const KSDKVertices* vertices);
KSDK_API void KSDKInitFaces(KSDKFaces* faces);
KSDK_API int32_t KSDKSetFaces(KSDKHandle mesh, const KSDKFaces* faces);
KSDK_API void KSDKInitTransform(KSDKTransform* transform);
KSDK_API int32_t KSDKSetLocalTransform(KSDKHandle object, const KSDKTransform* transform);

/* Finish prepares the object (normals, neighbours and spatial index of a
 * mesh) and gives it to the scene; on an object already there it only
 * notifies. After -1 on an unfinished object the handle is gone. Discard
 * destroys an unfinished object; -1 for one the scene holds. */
KSDK_API int32_t KSDKFinishObject(KSDKHandle object);
KSDK_API int32_t KSDKDiscardObject(KSDKHandle object);

/* @mesh-section-end */

#ifdef __cplusplus
}
#endif

#endif /* DRAFTLIFT_DRAFTLIFT_H */
