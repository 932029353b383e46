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

/* The host's tab flags saved by KSDKGetOrvantaTabStateAndRestoreMcamTabs.
 * Callers hold it as an opaque pointer and give it back to
 * KSDKRestoreOrvantaTabState, which frees it. */
typedef struct KSDKTabState {
    bool tabsFlag2;
    bool tabsFlag1;
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
/* @mesh-section-end */

#ifdef __cplusplus
}
#endif

#endif /* DRAFTLIFT_DRAFTLIFT_H */
