#include "sdk/annotation/TextConversion.h"

#include <string>
#include <utility>

#include "host/kscene/KObject.h"
#include "sdk/TextConversion.h"

namespace sdk::annotation {

WString NameText(const char* text) { return sdk::AnsiToWide(text); }

WString SymbolText(const char* text) { return KTextObject::ConvertMBDsymbolText(std::string(text)); }

void AssignFlagged(KFlaggedText& target, const char* text) {
    if (text == nullptr) {
        target.enabled = false;
        return;
    }
    // Convert first: a failed conversion leaves both flag and text as they were.
    WString converted = SymbolText(text);
    target.enabled = true;
    target.text = std::move(converted);
}

void AssignIfGiven(WString& target, const char* text) {
    if (text != nullptr) target = SymbolText(text);
}

}  // namespace sdk::annotation
