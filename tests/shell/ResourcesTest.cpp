// The module's resources as the loaded library binds them to its handle.
#include <dlfcn.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/Afx.h"
#include "platform/mastercam/HostStandIn.h"
#include "shell/EntryPoints.h"

namespace {

HMODULE LibraryModule() {
    Dl_info info{};
    EXPECT_NE(dladdr(reinterpret_cast<const void*>(&m_main), &info), 0);
    return static_cast<HMODULE>(info.dli_fbase);
}

std::u16string Text(const ResourceEntry& entry) {
    std::u16string text(entry.size / 2, u'\0');
    std::memcpy(text.data(), entry.data, entry.size);
    return text;
}

template <class T>
T Read(const ResourceEntry& entry, std::size_t offset) {
    T value{};
    std::memcpy(&value, entry.data + offset, sizeof(T));
    return value;
}

std::uint32_t BigEndian(const ResourceEntry& entry, std::size_t offset) {
    const unsigned char* p = entry.data + offset;
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

TEST(Resources, StringsNameTheAddinAndItsCommand) {
    const HMODULE module = LibraryModule();
    const ResourceEntry* name = AfxFindModuleResource(module, ResourceType::String, 1);
    const ResourceEntry* command = AfxFindModuleResource(module, ResourceType::String, 2);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(Text(*name), u"Draftlift");
    EXPECT_EQ(Text(*command), u"Import MBD from Mastercam\nImport\nImport MBD");
    EXPECT_EQ(name->language, 1036);
}

struct BitmapCase {
    std::uint16_t id;
    std::int32_t size;
    std::uint32_t colours;
};

TEST(Resources, BitmapsArePaletteImagesOfTheirSize) {
    for (const BitmapCase c : {BitmapCase{18001, 16, 53}, BitmapCase{18002, 24, 65}}) {
        const ResourceEntry* bitmap = AfxFindModuleResource(LibraryModule(), ResourceType::Bitmap, c.id);
        ASSERT_NE(bitmap, nullptr) << c.id;
        EXPECT_EQ(Read<std::uint32_t>(*bitmap, 0), 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(Read<std::int32_t>(*bitmap, 4), c.size);
        EXPECT_EQ(Read<std::int32_t>(*bitmap, 8), c.size);
        EXPECT_EQ(Read<std::uint16_t>(*bitmap, 14), 8);
        EXPECT_EQ(Read<std::uint32_t>(*bitmap, 32), c.colours);
        const std::size_t rows = std::size_t(c.size) * ((c.size + 3) & ~3);
        EXPECT_EQ(bitmap->size, 40 + 4 * c.colours + rows);
    }
}

TEST(Resources, PngsAreRgbaImagesOfTheirSize) {
    for (const auto& [id, size] : {std::pair<std::uint16_t, std::uint32_t>{18003, 16}, {18004, 32}}) {
        const ResourceEntry* png = AfxFindModuleResource(LibraryModule(), ResourceType::Png, id);
        ASSERT_NE(png, nullptr) << id;
        ASSERT_GT(png->size, 33u);
        EXPECT_EQ(std::memcmp(png->data, "\x89PNG\r\n\x1a\n", 8), 0);
        EXPECT_EQ(BigEndian(*png, 16), size);
        EXPECT_EQ(BigEndian(*png, 20), size);
        EXPECT_EQ(png->data[24], 8);  // bits per channel
        EXPECT_EQ(png->data[25], 6);  // RGBA
    }
}

TEST(Resources, LoadingTheLibraryMakesItsOwnModuleCurrentDuringAWalk) {
    // The loader ran attach, which handed the module's resources to the
    // application object; a walk makes them current and then puts the
    // previous handle back.
    standin::host::Reset();
    HINSTANCE previous = reinterpret_cast<HINSTANCE>(std::uintptr_t{0x2000});
    AfxGetModuleState()->m_hCurrentResourceHandle = previous;
    m_Draftlift();
    EXPECT_EQ(standin::host::ResourcesAtLastRepaint(), LibraryModule());
    EXPECT_EQ(AfxGetModuleState()->m_hCurrentResourceHandle, previous);
    AfxGetModuleState()->m_hCurrentResourceHandle = nullptr;
}

}  // namespace
