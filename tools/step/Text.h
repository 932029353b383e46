// Texts between the model (UTF-16) and the file's strings (UTF-8 bytes,
// which the writer passes as they are and the reader gives back).
#pragma once

#include <string>

#include <TCollection_HAsciiString.hxx>

#include "host/WinTypes.h"

namespace draftlift_tool::step {

Handle(TCollection_HAsciiString) FileText(const WString& text);
Handle(TCollection_HAsciiString) FileText(const std::string& utf8);
// An absent text is empty.
WString ModelText(const Handle(TCollection_HAsciiString)& text);
std::string Utf8Of(const Handle(TCollection_HAsciiString)& text);

}  // namespace draftlift_tool::step
