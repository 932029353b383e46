// Two values compared member by member, keeping the name of the first member
// that differs: what a round trip needs to say where it went wrong.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace draftlift_tool::gdt {

inline std::string Indexed(const std::string& member, std::size_t n) {
    return member + "[" + std::to_string(n) + "]";
}

// Keeps the first difference found; later checks change nothing once one is.
class Comparison {
public:
    template <class T>
    Comparison& Check(const T& a, const T& b, const std::string& name) {
        if (!m_first && !(a == b)) m_first = name;
        return *this;
    }

    // Optional members: whether both are there, then what they hold.
    template <class T, class Compare>
    Comparison& Optional(const std::optional<T>& a, const std::optional<T>& b, const std::string& name,
                         Compare compare) {
        Check(a.has_value(), b.has_value(), name);
        if (!m_first && a && b) compare(*this, *a, *b, name);
        return *this;
    }

    // Lists: their lengths, then member by member under indexed names.
    template <class T, class Compare>
    Comparison& Each(const std::vector<T>& a, const std::vector<T>& b, const std::string& name, Compare compare) {
        Check(a.size(), b.size(), name);
        for (std::size_t n = 0; n < a.size() && !m_first; ++n) compare(*this, a[n], b[n], Indexed(name, n));
        return *this;
    }

    template <class T, std::size_t N, class Compare>
    Comparison& Each(const std::array<T, N>& a, const std::array<T, N>& b, const std::string& name, Compare compare) {
        for (std::size_t n = 0; n < N && !m_first; ++n) compare(*this, a[n], b[n], Indexed(name, n));
        return *this;
    }

    std::optional<std::string> First() const { return m_first; }

private:
    std::optional<std::string> m_first;
};

}  // namespace draftlift_tool::gdt
