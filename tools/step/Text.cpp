#include "tools/step/Text.h"

#include "host/WinTypes.h"
#include "tools/gdt/Tokens.h"

namespace draftlift_tool::step {

Handle(TCollection_HAsciiString) FileText(const WString& text) { return FileText(gdt::Utf8(text)); }

Handle(TCollection_HAsciiString) FileText(const std::string& utf8) {
    return new TCollection_HAsciiString(utf8.c_str());
}

std::string Utf8Of(const Handle(TCollection_HAsciiString)& text) {
    return text.IsNull() ? std::string() : std::string(text->ToCString());
}

WString ModelText(const Handle(TCollection_HAsciiString)& text) {
    const std::string utf8 = Utf8Of(text);
    if (utf8.empty()) return {};
    const int size = int(utf8.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    WString wide(std::size_t(needed), WCHAR{0});
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), needed);
    return wide;
}

}  // namespace draftlift_tool::step
