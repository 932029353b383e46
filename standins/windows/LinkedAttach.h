// A program that links the library in, rather than loading the shared
// library, attaches it itself exactly as the loader would.
#pragma once

#include "host/WinTypes.h"

// Runs the process-attach call of the entry point for the program's own
// module and returns that module, or null when the library refused to attach.
HINSTANCE AttachLinkedLibrary();
// The process-detach call for the module AttachLinkedLibrary returned.
void DetachLinkedLibrary(HINSTANCE module);
