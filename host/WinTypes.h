// Windows base types and the C-runtime wide helpers the library uses.
// On Windows these come from <windows.h>, <wchar.h> and <stdlib.h>; here the
// stand-in in standins/windows provides them with the same semantics.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#ifdef _WIN32
#include <windows.h>
#include <stdlib.h>
#include <wchar.h>
#else

using BOOL = int;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LPVOID = void*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
// Windows wide characters are UTF-16 code units.
using WCHAR = char16_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;

constexpr UINT CP_ACP = 0;
constexpr UINT CP_UTF8 = 65001;
// Conversion to a code page never uses look-alike characters here; the flag
// that asks Windows for the same is accepted.
constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x400;

// Code-page conversion as the Windows API does it: with a zero output size
// the result is the length needed; cbMultiByte / cchWideChar of -1 means
// "zero-terminated, terminator included".
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* src, int srcLen,
                        WCHAR* dst, int dstLen);
int WideCharToMultiByte(UINT codePage, DWORD flags, const WCHAR* src, int srcLen,
                        char* dst, int dstLen, const char* defaultChar,
                        BOOL* usedDefault);

int _wtoi(const WCHAR* text);
double _wtof(const WCHAR* text);
// Formats like swprintf_s with a format of plain ASCII conversions.
int swprintf_s(WCHAR* buffer, std::size_t count, const WCHAR* format, ...);

#endif

// The wide string the library works in (CStringW's contents on Windows).
using WString = std::basic_string<WCHAR>;

// A wide string from a UTF-16 literal, whichever type WCHAR is: u"text"_w.
inline WString operator""_w(const char16_t* text, std::size_t length) {
    return WString(text, text + length);
}
