// How far a long run has come, on standard error when it is a terminal and
// nowhere otherwise: "draftlift import: importing notes: 120000 of 1000000",
// rewritten in place at most ten times a second and cleared at the end.
#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <string>

namespace draftlift_tool {

class Progress {
public:
    // Reports go to `out`; a null `out` makes a silent progress.
    Progress(std::ostream* out, std::string command);
    // Reports to standard error when it is a terminal.
    static Progress OnTerminal(std::string command);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Starts counting something: what, and of how many (0 when not known).
    void Stage(std::string what, std::size_t total = 0);
    void Update(std::size_t done);
    // Takes the line away, so that other output can be written; it comes
    // back with the next update.
    void Clear();

private:
    void Show(const std::string& line);

    std::ostream* m_out;
    std::string m_command;
    std::string m_what;
    std::size_t m_total = 0;
    std::size_t m_shownLength = 0;
    std::chrono::steady_clock::time_point m_lastShown;
};

}  // namespace draftlift_tool
