#include "tools/io/StandardStreams.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace draftlift_tool {
namespace {

int Descriptor(StandardStream stream) {
    switch (stream) {
        case StandardStream::Input: return 0;
        case StandardStream::Output: return 1;
        case StandardStream::Error: return 2;
    }
    return 2;
}

}  // namespace

#ifdef _WIN32

bool IsTerminal(StandardStream stream) { return _isatty(Descriptor(stream)) != 0; }

void UseBinaryMode(StandardStream stream) { _setmode(Descriptor(stream), _O_BINARY); }

#else

bool IsTerminal(StandardStream stream) { return isatty(Descriptor(stream)) != 0; }

void UseBinaryMode(StandardStream) {}

#endif

}  // namespace draftlift_tool
