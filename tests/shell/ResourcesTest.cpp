// The module's resources as the loaded library carries them: compiled into
// the image on Windows, bound to the module's handle by its loader elsewhere.
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/Afx.h"
#include "shell/EntryPoints.h"
#include "standins/mastercam/HostStandIn.h"
#include "tests/support/WideText.h"

#ifndef _WIN32
#include <dlfcn.h>

#include "standins/windows/ModuleResources.h"
#endif

namespace {

using Bytes = std::vector<unsigned char>;
constexpr std::uint16_t kFrenchFrance = 1036;

// Resource types by number; the PNG images have a type of their own.
enum class Kind : std::uint16_t { Bitmap = 2, String = 6, Version = 16, Png = 18000 };

#ifdef _WIN32
HMODULE LibraryModule() { return GetModuleHandleW(L"Draftlift.dll"); }

std::optional<Bytes> Resource(HMODULE module, LPCWSTR type, LPCWSTR name) {
    HRSRC found = FindResourceExW(module, type, name, kFrenchFrance);
    if (found == nullptr) return std::nullopt;
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
    return Bytes(data, data + SizeofResource(module, found));
}

// A string table resource holds blocks of sixteen counted strings.
std::optional<Bytes> StringResource(HMODULE module, std::uint16_t id) {
    const auto block = Resource(module, MAKEINTRESOURCEW(WORD(Kind::String)), MAKEINTRESOURCEW(id / 16 + 1));
    if (!block) return std::nullopt;
    std::size_t at = 0;
    for (unsigned index = 0; at + 2 <= block->size(); ++index) {
        const std::size_t units = (*block)[at] | (*block)[at + 1] << 8;
        const auto begin = block->begin() + std::ptrdiff_t(at + 2);
        if (index == id % 16) return Bytes(begin, begin + std::ptrdiff_t(2 * units));
        at += 2 + 2 * units;
    }
    return std::nullopt;
}

std::optional<Bytes> Find(Kind kind, std::uint16_t id) {
    const HMODULE module = LibraryModule();
    if (kind == Kind::String) return StringResource(module, id);
    return Resource(module, kind == Kind::Png ? L"PNG" : MAKEINTRESOURCEW(WORD(kind)), MAKEINTRESOURCEW(id));
}
#else
HMODULE LibraryModule() {
    Dl_info info{};
    EXPECT_NE(dladdr(reinterpret_cast<const void*>(&m_main), &info), 0);
    return static_cast<HMODULE>(info.dli_fbase);
}

std::optional<Bytes> Find(Kind kind, std::uint16_t id) {
    using standin::windows::ResourceType;
    const auto* entry = standin::windows::FindModuleResource(LibraryModule(), ResourceType(kind), id);
    if (entry == nullptr || entry->language != kFrenchFrance) return std::nullopt;
    return Bytes(entry->data, entry->data + entry->size);
}
#endif

template <class T>
T Read(const Bytes& bytes, std::size_t offset) {
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

std::uint32_t BigEndian(const Bytes& bytes, std::size_t offset) {
    const unsigned char* p = bytes.data() + offset;
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

WString Text(const Bytes& bytes) {
    WString text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = WCHAR(Read<std::uint16_t>(bytes, 2 * i));
    return text;
}

TEST(Resources, StringsNameTheAddinAndItsCommandInFrench) {
    const auto name = Find(Kind::String, 1);
    const auto command = Find(Kind::String, 2);
    ASSERT_TRUE(name && command);
    EXPECT_EQ(Text(*name), u"Draftlift"_w);
    EXPECT_EQ(Text(*command), u"Import MBD from Mastercam\nImport\nImport MBD"_w);
}

struct BitmapCase {
    std::uint16_t id;
    std::int32_t size;
    std::uint32_t colours;
};

TEST(Resources, BitmapsArePaletteImagesOfTheirSize) {
    for (const BitmapCase c : {BitmapCase{18001, 16, 53}, BitmapCase{18002, 24, 65}}) {
        const auto bitmap = Find(Kind::Bitmap, c.id);
        ASSERT_TRUE(bitmap) << c.id;
        EXPECT_EQ(Read<std::uint32_t>(*bitmap, 0), 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(Read<std::int32_t>(*bitmap, 4), c.size);
        EXPECT_EQ(Read<std::int32_t>(*bitmap, 8), c.size);
        EXPECT_EQ(Read<std::uint16_t>(*bitmap, 14), 8);
        EXPECT_EQ(Read<std::uint32_t>(*bitmap, 32), c.colours);
        const std::size_t rows = std::size_t(c.size) * ((c.size + 3) & ~3);
        EXPECT_EQ(bitmap->size(), 40 + 4 * c.colours + rows);
    }
}

TEST(Resources, PngsAreRgbaImagesOfTheirSize) {
    for (const auto& [id, size] : {std::pair<std::uint16_t, std::uint32_t>{18003, 16}, {18004, 32}}) {
        const auto png = Find(Kind::Png, id);
        ASSERT_TRUE(png) << id;
        ASSERT_GT(png->size(), 33u);
        EXPECT_EQ(std::memcmp(png->data(), "\x89PNG\r\n\x1a\n", 8), 0);
        EXPECT_EQ(BigEndian(*png, 16), size);
        EXPECT_EQ(BigEndian(*png, 20), size);
        EXPECT_EQ((*png)[24], 8);  // bits per channel
        EXPECT_EQ((*png)[25], 6);  // RGBA
    }
}

// The fixed file information follows its signature wherever the version
// resource places it.
TEST(Resources, VersionIs21_0_0_2) {
    const auto version = Find(Kind::Version, 1);
    ASSERT_TRUE(version);
    std::size_t at = 0;
    while (at + 4 <= version->size() && Read<std::uint32_t>(*version, at) != 0xFEEF04BD) at += 4;
    ASSERT_LE(at + 16, version->size());
    EXPECT_EQ(Read<std::uint32_t>(*version, at + 8), 21u << 16);
    EXPECT_EQ(Read<std::uint32_t>(*version, at + 12), 2u);
}

TEST(Resources, LoadingTheLibraryMakesItsOwnModuleCurrentDuringAWalk) {
    // The loader ran attach, which handed the module's resources to the
    // application object; a walk makes them current and then puts the
    // previous handle back.
    standin::host::Reset();
    HINSTANCE previous = reinterpret_cast<HINSTANCE>(std::uintptr_t{0x2000});
    AfxGetModuleState()->m_hCurrentResourceHandle = previous;
    m_Draftlift();
    ASSERT_NE(LibraryModule(), nullptr);
    EXPECT_EQ(standin::host::ResourcesAtLastRepaint(), LibraryModule());
    EXPECT_EQ(AfxGetModuleState()->m_hCurrentResourceHandle, previous);
    AfxGetModuleState()->m_hCurrentResourceHandle = nullptr;
}

}  // namespace
