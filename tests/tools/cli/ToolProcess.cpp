#include "tests/tools/cli/ToolProcess.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#include <process.h>
#else
#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tool_process {

#ifdef _WIN32

namespace {

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size()));
    wide.resize(std::size_t(length));
    return wide;
}

// One argument as the program's runtime splits its command line again:
// quoted, with backslashes doubled where a quote follows them.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

// An inheritable handle, closed with this object.
class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {
        if (m_handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open a standard stream");
    }
    ~Handle() { CloseHandle(m_handle); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

SECURITY_ATTRIBUTES Inherited() { return {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE}; }

HANDLE OpenFile(const std::wstring& path, DWORD access, DWORD creation) {
    SECURITY_ATTRIBUTES inherited = Inherited();
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, creation,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The writing end of a pipe whose reading end is already closed.
HANDLE UnwritablePipe() {
    SECURITY_ATTRIBUTES inherited = Inherited();
    HANDLE reading = nullptr, writing = nullptr;
    if (!CreatePipe(&reading, &writing, &inherited, 0)) return INVALID_HANDLE_VALUE;
    CloseHandle(reading);
    return writing;
}

}  // namespace

int Run(const std::string& program, const std::vector<std::string>& arguments, const Streams& streams) {
    // Without a standard input handle the runtime takes the stream for a
    // device, as it takes a console: the program sees a terminal.
    std::optional<Handle> input;
    if (streams.input) input.emplace(OpenFile(Widen(*streams.input), GENERIC_READ, OPEN_EXISTING));
    const Handle output(streams.unwritableOutput ? UnwritablePipe()
                                                 : OpenFile(Widen(streams.output), GENERIC_WRITE, CREATE_ALWAYS));
    const Handle error(OpenFile(Widen(streams.error), GENERIC_WRITE, CREATE_ALWAYS));
    std::wstring commandLine = Quoted(Widen(program));
    for (const std::string& argument : arguments) commandLine += L" " + Quoted(Widen(argument));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input ? input->Get() : INVALID_HANDLE_VALUE;
    startup.hStdOutput = output.Get();
    startup.hStdError = error.Get();
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    const bool exited = GetExitCodeProcess(process.hProcess, &code) != 0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exited ? int(code) : -1;
}

int ProcessId() { return _getpid(); }

#else

namespace {

// Single quotes keep every argument whole in the shell.
std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// A pseudo-terminal, for runs whose standard input is an interactive one.
class Terminal {
public:
    Terminal() : m_master(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) throw std::runtime_error("no pty");
        m_slave = ptsname(m_master);
    }
    ~Terminal() { close(m_master); }
    const std::string& Path() const { return m_slave; }

private:
    int m_master;
    std::string m_slave;
};

}  // namespace

int Run(const std::string& program, const std::vector<std::string>& arguments, const Streams& streams) {
    const Terminal terminal;
    std::string command = Quoted(program);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    command += " <" + Quoted(streams.input ? *streams.input : terminal.Path()) + " >" +
               Quoted(streams.unwritableOutput ? "/dev/full" : streams.output) + " 2>" + Quoted(streams.error);
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int ProcessId() { return int(getpid()); }

#endif

}  // namespace tool_process
