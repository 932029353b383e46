// The serialization singleton's lock-flag functions are part of the module's
// exported surface although nothing here calls them. Boost defines them
// inline (get_lock is always emitted); referring to the other three from an
// object of external linkage makes every compiler emit them too, with the
// visibility or export Boost gives them.
#include <boost/serialization/singleton.hpp>

namespace draftlift_exports {

using boost::serialization::singleton_module;

struct LockFlagFunctions {
    void (singleton_module::*lock)();
    void (singleton_module::*unlock)();
    bool (singleton_module::*isLocked)();
};

extern const LockFlagFunctions kLockFlagFunctions;
const LockFlagFunctions kLockFlagFunctions = {&singleton_module::lock, &singleton_module::unlock,
                                              &singleton_module::is_locked};

}  // namespace draftlift_exports
