// The host's expression calculator: numbers, + - * /, unary minus and
// parentheses. Anything it cannot read, division by zero included, is 0.
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "host/Mastercam.h"

namespace {

class Parser {
public:
    explicit Parser(const WCHAR* text) : m_p(text) {}

    std::optional<double> Whole() {
        auto value = Sum();
        SkipSpace();
        if (!value || *m_p != 0) return std::nullopt;
        return value;
    }

private:
    void SkipSpace() {
        while (*m_p == u' ' || *m_p == u'\t') ++m_p;
    }

    bool Accept(WCHAR c) {
        SkipSpace();
        if (*m_p != c) return false;
        ++m_p;
        return true;
    }

    std::optional<double> Sum() {
        auto left = Product();
        while (left) {
            if (Accept(u'+')) {
                auto right = Product();
                if (!right) return std::nullopt;
                *left += *right;
            } else if (Accept(u'-')) {
                auto right = Product();
                if (!right) return std::nullopt;
                *left -= *right;
            } else {
                break;
            }
        }
        return left;
    }

    std::optional<double> Product() {
        auto left = Unary();
        while (left) {
            if (Accept(u'*')) {
                auto right = Unary();
                if (!right) return std::nullopt;
                *left *= *right;
            } else if (Accept(u'/')) {
                auto right = Unary();
                if (!right || *right == 0.0) return std::nullopt;
                *left /= *right;
            } else {
                break;
            }
        }
        return left;
    }

    std::optional<double> Unary() {
        if (Accept(u'-')) {
            auto value = Unary();
            if (value) *value = -*value;
            return value;
        }
        if (Accept(u'+')) return Unary();
        return Primary();
    }

    std::optional<double> Primary() {
        if (Accept(u'(')) {
            auto value = Sum();
            if (!value || !Accept(u')')) return std::nullopt;
            return value;
        }
        return Number();
    }

    std::optional<double> Number() {
        SkipSpace();
        std::string digits;
        auto take = [&] {
            while (*m_p >= u'0' && *m_p <= u'9') digits.push_back(char(*m_p++));
        };
        take();
        if (*m_p == u'.') {
            digits.push_back(char(*m_p++));
            take();
        }
        if (digits.empty() || digits == ".") return std::nullopt;
        if (*m_p == u'e' || *m_p == u'E') {
            const WCHAR* mark = m_p;
            std::string exponent(1, 'e');
            ++m_p;
            if (*m_p == u'+' || *m_p == u'-') exponent.push_back(char(*m_p++));
            const std::size_t before = digits.size();
            take();
            if (digits.size() == before) {
                m_p = mark;  // not an exponent after all
            } else {
                digits.insert(before, exponent);
            }
        }
        return std::strtod(digits.c_str(), nullptr);
    }

    const WCHAR* m_p;
};

}  // namespace

double calc(const WCHAR* expression, bool*) {
    if (expression == nullptr) return 0.0;
    const auto value = Parser(expression).Whole();
    return value && std::isfinite(*value) ? *value : 0.0;
}
