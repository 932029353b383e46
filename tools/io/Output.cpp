#include "tools/io/Output.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <random>
#include <sstream>

#include "tools/io/StandardStreams.h"

namespace draftlift_tool {
namespace {

namespace fs = std::filesystem;

constexpr char kStandardOutput[] = "-";

std::string SystemReason() { return std::strerror(errno); }

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw OutputError("cannot write " + path + ": " + reason);
}

// A name in the target's own folder, so that the rename stays on one file
// system, hidden and marked as temporary.
std::string TemporaryBeside(const fs::path& target) {
    static std::mt19937_64 random{std::random_device{}()};
    for (;;) {
        std::ostringstream name;
        name << '.' << target.filename().string() << '.' << std::hex << random() << ".tmp";
        const fs::path candidate = target.parent_path() / name.str();
        std::error_code error;
        // When the folder cannot be looked at, opening the file names why.
        if (!fs::exists(candidate, error)) return candidate.string();
    }
}

// Passes everything on to the standard output's own buffer and keeps the
// system's reason for the first write that failed: once a stream has failed
// it writes nothing more, and errno may have changed long before the end.
class ReasonKeepingBuffer final : public std::streambuf {
public:
    explicit ReasonKeepingBuffer(std::streambuf* inner) : m_inner(inner) {}
    int Reason() const { return m_reason; }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        errno = 0;
        const bool written = !traits_type::eq_int_type(m_inner->sputc(traits_type::to_char_type(c)), traits_type::eof());
        return Kept(written) ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        errno = 0;
        const std::streamsize written = m_inner->sputn(text, count);
        Kept(written == count);
        return written;
    }
    int sync() override {
        errno = 0;
        return Kept(m_inner->pubsync() == 0) ? 0 : -1;
    }

private:
    bool Kept(bool success) {
        if (!success && m_reason == 0) m_reason = errno != 0 ? errno : EIO;
        return success;
    }

    std::streambuf* m_inner;
    int m_reason = 0;
};

ReasonKeepingBuffer* g_standardOutput = nullptr;

}  // namespace

Output::Output(std::string path) : m_path(std::move(path)) {
    if (m_path == kStandardOutput) {
        UseBinaryMode(StandardStream::Output);
        return;
    }
    std::error_code error;
    fs::path target = m_path;
    if (fs::is_symlink(target, error)) target = fs::weakly_canonical(target, error);
    const fs::file_status existing = fs::status(target, error);
    if (fs::is_directory(existing)) Fail(m_path, "is a directory");
    m_target = target.string();
    // A device or a pipe is written as it is: renaming a file over it would
    // replace it (/dev/null, for one, when run as root).
    const bool replaceable = !fs::exists(existing) || fs::is_regular_file(existing);
    if (replaceable) m_temporary = TemporaryBeside(target);
    m_file = std::make_unique<std::ofstream>(replaceable ? m_temporary : m_target, std::ios::binary | std::ios::trunc);
    if (!*m_file) {
        const std::string reason = SystemReason();
        m_temporary.clear();
        Fail(m_path, reason);
    }
}

Output::~Output() {
    if (m_temporary.empty()) return;
    m_file.reset();
    std::error_code ignored;
    fs::remove(m_temporary, ignored);
}

std::ostream& Output::Stream() { return m_file ? *m_file : std::cout; }

void Output::Close() {
    if (!m_file) {
        FinishStandardOutput();
        return;
    }
    if (m_file->is_open()) {
        m_file->flush();
        if (*m_file) m_file->close();
    }
    if (!*m_file) Fail(m_path, SystemReason());
}

void Output::Publish() {
    if (m_temporary.empty()) return;  // the standard output, a device or a pipe
    std::error_code error;
    // A file replaced keeps its permissions.
    const fs::file_status existing = fs::status(m_target, error);
    if (!error && fs::exists(existing)) fs::permissions(m_temporary, existing.permissions(), error);
    fs::rename(m_temporary, m_target, error);
    if (error) Fail(m_path, error.message());
    m_temporary.clear();
}

OutputSet::OutputSet(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) m_outputs.push_back(std::make_unique<Output>(path));
}

void OutputSet::CloseAndPublish() {
    for (const auto& output : m_outputs) output->Close();
    for (const auto& output : m_outputs) output->Publish();
}

StandardOutputReasons::StandardOutputReasons() : m_own(std::cout.rdbuf()) {
    auto buffer = std::make_unique<ReasonKeepingBuffer>(m_own);
    g_standardOutput = buffer.get();
    m_buffer = std::move(buffer);
    std::cout.rdbuf(m_buffer.get());
}

StandardOutputReasons::~StandardOutputReasons() {
    std::cout.flush();
    std::cout.rdbuf(m_own);
    g_standardOutput = nullptr;
}

void FinishStandardOutput() {
    std::cout.flush();
    if (std::cout) return;
    const int reason = g_standardOutput != nullptr ? g_standardOutput->Reason() : EIO;
    Fail("the standard output", std::strerror(reason != 0 ? reason : EIO));
}

}  // namespace draftlift_tool
