#include "tools/step/Messages.h"

#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <TCollection_AsciiString.hxx>

namespace draftlift_tool::step {
namespace {

class Collector final : public Message_Printer {
public:
    Collector() { SetTraceLevel(Message_Warning); }
    const std::vector<std::string>& Lines() const { return m_lines; }

protected:
    void send(const TCollection_AsciiString& text, const Message_Gravity gravity) const override {
        if (gravity >= Message_Fail) m_lines.emplace_back(text.ToCString());
    }

private:
    mutable std::vector<std::string> m_lines;
};

}  // namespace

void SilenceTranslators() {
    static const bool silenced = [] {
        Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
        return true;
    }();
    (void)silenced;
}

CollectedMessages::CollectedMessages() : m_printer(new Collector()) {
    Message::DefaultMessenger()->AddPrinter(m_printer);
}

CollectedMessages::~CollectedMessages() { Message::DefaultMessenger()->RemovePrinter(m_printer); }

std::string CollectedMessages::Joined() const {
    std::string joined;
    for (const std::string& line : static_cast<const Collector&>(*m_printer).Lines()) {
        if (!joined.empty()) joined += "; ";
        joined += line;
    }
    return joined;
}

}  // namespace draftlift_tool::step
