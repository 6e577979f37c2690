#pragma once
// Whether a text is one well-formed JSON value (RFC 8259), with nothing after it but
// blanks: enough to tell a printer that forgot an escape.

#include <cstddef>
#include <string_view>

namespace zalvane::fuzz {

class JsonCheck {
public:
    static bool IsValid(std::string_view text)
    {
        JsonCheck check(text);
        return check.Value(0) && (check.SkipBlanks(), check.m_at == text.size());
    }

private:
    static constexpr int kDeepest = 64;

    explicit JsonCheck(std::string_view text) : m_text(text) {}

    void SkipBlanks()
    {
        while (m_at < m_text.size() &&
               (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\n' || m_text[m_at] == '\r')) {
            ++m_at;
        }
    }
    bool Take(char c)
    {
        SkipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word) {
            return false;
        }
        m_at += word.size();
        return true;
    }
    bool Digits()
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9') {
            ++m_at;
        }
        return m_at > start;
    }
    bool Number()
    {
        if (m_text[m_at] == '-') {
            ++m_at;
        }
        if (!Digits()) {
            return false;
        }
        if (m_at < m_text.size() && m_text[m_at] == '.' && (++m_at, !Digits())) {
            return false;
        }
        return true;
    }
    bool String()
    {
        ++m_at;  // the opening quote
        while (m_at < m_text.size()) {
            const auto c = static_cast<unsigned char>(m_text[m_at++]);
            if (c == '"') {
                return true;
            }
            if (c < 0x20) {
                return false;
            }
            if (c != '\\') {
                continue;
            }
            if (m_at >= m_text.size()) {
                return false;
            }
            const char escaped = m_text[m_at++];
            if (escaped == 'u') {
                for (int i = 0; i < 4; ++i, ++m_at) {
                    if (m_at >= m_text.size() ||
                        std::string_view("0123456789abcdefABCDEF").find(m_text[m_at]) == std::string_view::npos) {
                        return false;
                    }
                }
            } else if (std::string_view("\"\\/bfnrt").find(escaped) == std::string_view::npos) {
                return false;
            }
        }
        return false;
    }
    bool Items(int depth, char close, bool keyed)
    {
        if (Take(close)) {
            return true;
        }
        do {
            if (keyed) {
                SkipBlanks();
                if (m_at >= m_text.size() || m_text[m_at] != '"' || !String() || !Take(':')) {
                    return false;
                }
            }
            if (!Value(depth + 1)) {
                return false;
            }
        } while (Take(','));
        return Take(close);
    }
    bool Value(int depth)
    {
        SkipBlanks();
        if (m_at >= m_text.size() || depth > kDeepest) {
            return false;
        }
        switch (m_text[m_at]) {
            case '{':
                ++m_at;
                return Items(depth, '}', true);
            case '[':
                ++m_at;
                return Items(depth, ']', false);
            case '"':
                return String();
            case 't':
                return Word("true");
            case 'f':
                return Word("false");
            case 'n':
                return Word("null");
            default:
                return Number();
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

}  // namespace zalvane::fuzz
