// Narrow texts of the annotation records to the wide texts the annotation
// objects store.
#pragma once

#include "host/WinTypes.h"
#include "host/kscene/KMBD.h"

namespace sdk::annotation {

// A name: widened with the active ANSI code page, no symbol conversion.
WString NameText(const char* text);

// Any other text: its symbol characters become the scene's display symbols.
WString SymbolText(const char* text);

// A given text enables the flagged text and replaces it; a missing one
// (null) disables it and keeps the stored text.
void AssignFlagged(KFlaggedText& target, const char* text);

// A given text replaces the stored one; a missing one leaves it.
void AssignIfGiven(WString& target, const char* text);

}  // namespace sdk::annotation
