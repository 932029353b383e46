// Runs a program as a separate process with chosen standard streams, as a
// user's shell would: POSIX processes on Linux, CreateProcess on Windows.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tool_process {

struct Streams {
    // The file the standard input reads; none: an interactive terminal (a
    // pseudo-terminal on Linux; on Windows no standard input handle, which
    // the runtime takes for a device as it takes a console).
    std::optional<std::string> input;
    // The files the standard output and error are written to.
    std::string output;
    std::string error;
    // The standard output refuses every write (Linux: /dev/full; Windows: a
    // pipe nobody reads).
    bool unwritableOutput = false;
};

// The program's exit code, or -1 when it did not exit normally.
int Run(const std::string& program, const std::vector<std::string>& arguments, const Streams& streams);

// This process's id, to keep the files of tests run side by side apart.
int ProcessId();

}  // namespace tool_process
