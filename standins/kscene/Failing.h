// The scene library's switch for failing on purpose (standin::kscene::
// FailOperations): each operation that can fail asks it first.
#pragma once

namespace standin::kscene::detail {

// Throws std::runtime_error while the scene library is set to fail.
void ThrowIfFailing();

}  // namespace standin::kscene::detail
