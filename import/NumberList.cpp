#include "import/NumberList.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "host/WinTypes.h"
#include "import/RecordLines.h"
#include "import/ValueText.h"

namespace noteimport {
namespace {

constexpr char kRejectedByte1 = 0x12;
constexpr char kRejectedByte2 = 0x14;
// Up to this many digits a plain integer token is exact as a double.
constexpr std::size_t kExactDigits = 15;
constexpr WCHAR kRejectedUnits[] = {kRejectedByte1, kRejectedByte2, 0};

// The separators of one tokenising; a single one, as for record lines, is
// compared directly rather than searched for.
class Separators {
public:
    explicit Separators(std::string_view all) : m_all(all), m_single(all.size() == 1 ? all[0] : '\0') {}
    bool Has(char c) const { return m_single != '\0' ? c == m_single : m_all.find(c) != std::string_view::npos; }

private:
    std::string_view m_all;
    char m_single;
};

// atof, with a shortcut for plain digit runs that gives the same value.
double ReadNumber(const char* token) {
    std::size_t length = 0;
    double value = 0.0;
    for (; token[length] >= '0' && token[length] <= '9'; ++length) {
        value = value * 10.0 + (token[length] - '0');
    }
    if (token[length] == '\0' && length > 0 && length <= kExactDigits) return value;
    return std::atof(token);
}

// Tokenises a writable, zero-terminated buffer the way strtok does, writing
// a zero after each token.
std::uint16_t ParseBuffer(char* buffer, std::string_view separatorList, bool skipNonNumeric,
                          std::uint16_t maxCount, double* numbers) {
    const Separators separators(separatorList);
    for (std::uint16_t k = 0; k < maxCount; ++k) numbers[k] = 0.0;
    // With no room nothing is stored (the count is checked before storing).
    std::uint16_t count = 0;
    char* p = buffer;
    while (count < maxCount) {
        while (*p != '\0' && separators.Has(*p)) ++p;
        if (*p == '\0') break;
        char* const token = p;
        while (*p != '\0' && !separators.Has(*p)) ++p;
        const bool last = *p == '\0';
        *p = '\0';
        if (!skipNonNumeric || IsNumericToken(token)) numbers[count++] = ReadNumber(token);
        if (last) break;
        ++p;
    }
    return count;
}

}  // namespace

bool IsNumericToken(const char* token) {
    for (; *token != '\0'; ++token) {
        if (*token == kRejectedByte1 || *token == kRejectedByte2) return false;
    }
    return true;
}

std::uint16_t ParseNumberList(std::string_view text, std::string_view separators,
                              bool skipNonNumeric, std::uint16_t maxCount, double* numbers) {
    char buffer[kNumberListBuffer];
    // A text that does not fit is cut, keeping room for the terminator; an
    // embedded zero ends the text, as it would for strtok.
    const std::size_t length = std::min(text.size(), kNumberListBuffer - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return ParseBuffer(buffer, separators, skipNonNumeric, maxCount, numbers);
}

std::uint16_t ReadLineNumbers(WStringView line, std::uint16_t maxCount, double* numbers) {
    // Three UTF-8 bytes at most per code unit: a record line (999 units at
    // most) always fits; a longer text is cut to what fits.
    constexpr std::size_t kMaxUnits = (kNumberListBuffer - 1) / 3;
    char buffer[kNumberListBuffer];
    const std::size_t length = EncodeUtf8(line.substr(0, kMaxUnits), buffer);
    buffer[length] = '\0';
    return ParseBuffer(buffer, kFieldSeparator, true, maxCount, numbers);
}

// Only the first number counts, so only the first token that takes part is
// converted: the UTF-8 of other characters never holds '|', the two rejected
// bytes or a zero, so tokens can be found on the wide text itself.
std::int32_t LineCode(WStringView line) {
    const WStringView text = line.substr(0, line.find(WCHAR(0)));
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(WCHAR(kFieldSeparator[0]), start);
        if (end == WStringView::npos) end = text.size();
        const WStringView token = text.substr(start, end - start);
        start = end + 1;
        if (token.empty() || token.find_first_of(kRejectedUnits) != WStringView::npos) continue;
        if (const auto code = ShortDigitRun(token)) return *code;
        double number = 0.0;
        ReadLineNumbers(token, 1, &number);
        return ToInt32(number);
    }
    return 0;
}

}  // namespace noteimport
