// The translators' messages: kept off the standard output, where a command's
// result may go, and collected while a file is read so that a failure can
// say why.
#pragma once

#include <string>
#include <vector>

#include <Message_Printer.hxx>

namespace draftlift_tool::step {

// Removes the default printer of Open CASCADE's messenger, once.
void SilenceTranslators();

// While it lives, the messenger's failures and alarms are collected.
class CollectedMessages {
public:
    CollectedMessages();
    ~CollectedMessages();
    CollectedMessages(const CollectedMessages&) = delete;
    CollectedMessages& operator=(const CollectedMessages&) = delete;

    // The messages, one per line; empty when there were none.
    std::string Joined() const;

private:
    Handle(Message_Printer) m_printer;
};

}  // namespace draftlift_tool::step
