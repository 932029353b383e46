// Wide texts written as UTF-16 literals, whichever type WCHAR is: u"text"_w.
#pragma once

#include <cstddef>

#include "host/WinTypes.h"

inline WString operator""_w(const char16_t* text, std::size_t length) {
    return WString(text, text + length);
}
