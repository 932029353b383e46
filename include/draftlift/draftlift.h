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
/* @view-section-end */

/* ---- Point clouds and meshes (interface version 1.0) ----------------- */
/* @mesh-section-begin */
/* @mesh-section-end */

#ifdef __cplusplus
}
#endif

#endif /* DRAFTLIFT_DRAFTLIFT_H */
