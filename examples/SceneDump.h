/* For the examples only: prints the stand-in scene as JSON. A host prints
 * nothing of the kind; the scene library draws the objects instead. */
#ifndef DRAFTLIFT_EXAMPLES_SCENE_DUMP_H
#define DRAFTLIFT_EXAMPLES_SCENE_DUMP_H

#ifdef __cplusplus
extern "C" {
#endif

void ExamplePrintSceneJson(void);

#ifdef __cplusplus
}
#endif

#endif
