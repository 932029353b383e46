// For the few answers in which the Windows C runtime and the stand-in's differ:
// the answer of the platform the test runs on.
#pragma once

namespace testing_support {

#ifdef _WIN32
constexpr bool kWindowsRuntime = true;
#else
constexpr bool kWindowsRuntime = false;
#endif

template <class T>
T OnThisPlatform(T windows, T standIn) {
    return kWindowsRuntime ? windows : standIn;
}

}  // namespace testing_support
