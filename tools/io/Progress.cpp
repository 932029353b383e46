#include "tools/io/Progress.h"

#include <iostream>

#include "tools/io/StandardStreams.h"

namespace draftlift_tool {
namespace {

constexpr std::chrono::milliseconds kInterval{100};

}  // namespace

Progress::Progress(std::ostream* out, std::string command)
    : m_out(out), m_command(std::move(command)), m_lastShown(std::chrono::steady_clock::now()) {}

Progress Progress::OnTerminal(std::string command) {
    return Progress(IsTerminal(StandardStream::Error) ? &std::cerr : nullptr, std::move(command));
}

Progress::~Progress() { Clear(); }

void Progress::Clear() {
    if (m_out == nullptr || m_shownLength == 0) return;
    *m_out << '\r' << std::string(m_shownLength, ' ') << '\r' << std::flush;
    m_shownLength = 0;
}

void Progress::Stage(std::string what, std::size_t total) {
    m_what = std::move(what);
    m_total = total;
}

void Progress::Update(std::size_t done) {
    if (m_out == nullptr) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastShown < kInterval) return;
    m_lastShown = now;
    std::string line = m_command + ": " + m_what + ": " + std::to_string(done);
    if (m_total > 0) line += " of " + std::to_string(m_total);
    Show(line);
}

void Progress::Show(const std::string& line) {
    // Spaces cover what is left of a longer line before.
    const std::size_t cover = m_shownLength > line.size() ? m_shownLength - line.size() : 0;
    *m_out << '\r' << line << std::string(cover, ' ') << std::flush;
    m_shownLength = line.size();
}

}  // namespace draftlift_tool
