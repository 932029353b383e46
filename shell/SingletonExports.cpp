// The serialization singleton's lock-flag functions are part of the module's
// exported surface although nothing here calls them. Boost defines them
// inline (get_lock is always emitted); referring to the other three makes the
// compiler emit them too, with the default visibility Boost gives them.
#include <boost/serialization/singleton.hpp>

namespace {

using boost::serialization::singleton_module;

struct LockFlagFunctions {
    void (singleton_module::*lock)();
    void (singleton_module::*unlock)();
    bool (singleton_module::*isLocked)();
};

__attribute__((used)) const LockFlagFunctions kLockFlagFunctions = {
    &singleton_module::lock, &singleton_module::unlock, &singleton_module::is_locked};

}  // namespace
