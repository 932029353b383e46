#include "examples/SceneDump.h"

#include <iostream>

#include "platform/kscene/SceneJson.h"

extern "C" void ExamplePrintSceneJson(void) { std::cout << scenejson::SceneJsonText() << '\n'; }
