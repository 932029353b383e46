/* What a module compiled against the compiler's msvcrt.dll declarations needs
 * from the Universal CRT beyond its import library: functions msvcrt.dll
 * exports but the UCRT has only as header inlines over its common entry
 * points. Built into the libmsvcrt.a that cmake/windows-x64.cmake puts first
 * on the library path. */
#include <stdarg.h>
#include <stddef.h>

/* %s and %c of a wide format take wide characters, as with Microsoft's
 * compiler, and exact ties round to even, as programs built by Visual Studio
 * 2019 16.2 or later ask for; Windows before 10 version 2004 ignores that. */
#define PRINTF_LEGACY_WIDE_STRINGS 0x0004ULL
#define PRINTF_STANDARD_ROUNDING 0x0020ULL

int __cdecl __stdio_common_vswprintf_s(unsigned long long options, wchar_t* buffer, size_t count,
                                       const wchar_t* format, void* locale, va_list args);

int __cdecl swprintf_s(wchar_t* buffer, size_t count, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int written = __stdio_common_vswprintf_s(PRINTF_LEGACY_WIDE_STRINGS | PRINTF_STANDARD_ROUNDING,
                                                   buffer, count, format, NULL, args);
    va_end(args);
    return written;
}

/* libwinpthread calls msvcrt.dll's _setjmp; the UCRT's is __intrinsic_setjmpex.
 * A jump, not a call, so that it saves the caller's own frame. */
__asm__(".text\n"
        ".globl _setjmp\n"
        "_setjmp:\n"
        "\tjmp __intrinsic_setjmpex\n");
