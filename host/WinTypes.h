// Windows base types and the C-runtime wide helpers the library uses.
// On Windows these come from <windows.h>, <wchar.h> and <stdlib.h>; elsewhere
// the stand-in of Windows provides them with the same semantics.
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
constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x400;

// With a zero output size the result is the length needed; a source length
// of -1 means "zero-terminated, terminator included".
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* src, int srcLen,
                        WCHAR* dst, int dstLen);
int WideCharToMultiByte(UINT codePage, DWORD flags, const WCHAR* src, int srcLen,
                        char* dst, int dstLen, const char* defaultChar,
                        BOOL* usedDefault);

int _wtoi(const WCHAR* text);
double _wtof(const WCHAR* text);
int swprintf_s(WCHAR* buffer, std::size_t count, const WCHAR* format, ...);

#endif

// Our reading of MFC's wide string class, which the host's note texts come
// in: the standard string of WCHAR (std::wstring on Windows).
using WString = std::basic_string<WCHAR>;
