#include "cli/json.h"

#include <charconv>
#include <iomanip>
#include <sstream>

// GCC 12 takes the moved-from variants of JsonValue inside std::expected for uninitialised
// (a known false positive of -Wmaybe-uninitialized with std::variant); no value here is.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace zalvane::cli {
namespace {

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : m_text(text) {}

    std::expected<JsonValue, std::string> Document()
    {
        auto value = Value(0);
        if (!value) {
            return value;
        }
        SkipBlanks();
        if (m_at != m_text.size()) {
            return Error("text after the value");
        }
        return value;
    }

private:
    std::unexpected<std::string> Error(std::string_view what) const
    {
        return std::unexpected(std::string(what) + " at offset " + std::to_string(m_at));
    }

    void SkipBlanks()
    {
        while (m_at < m_text.size() &&
               (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\n' || m_text[m_at] == '\r')) {
            ++m_at;
        }
    }

    bool Take(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word) {
            return false;
        }
        m_at += word.size();
        return true;
    }

    std::expected<JsonValue, std::string> Value(std::size_t depth)
    {
        if (depth >= kMaxJsonDepth) {
            return Error("nesting too deep");
        }
        SkipBlanks();
        if (m_at == m_text.size()) {
            return Error("a value missing");
        }
        const char c = m_text[m_at];
        if (c == '{') {
            return Object(depth);
        }
        if (c == '[') {
            return Array(depth);
        }
        if (c == '"') {
            auto text = String();
            if (!text) {
                return std::unexpected(text.error());
            }
            return JsonValue{std::move(*text)};
        }
        if (Take("true")) {
            return JsonValue{true};
        }
        if (Take("false")) {
            return JsonValue{false};
        }
        if (Take("null")) {
            return JsonValue{nullptr};
        }
        return Number();
    }

    std::expected<JsonValue, std::string> Number()
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size() &&
               std::string_view("+-0123456789.eE").find(m_text[m_at]) != std::string_view::npos) {
            ++m_at;
        }
        double number = 0;
        const char* first = m_text.data() + start;
        const char* last = m_text.data() + m_at;
        const auto [end, error] = std::from_chars(first, last, number);
        if (start == m_at || error != std::errc() || end != last) {
            return Error("not a JSON value");
        }
        return JsonValue{number};
    }

    static void AppendUtf8(std::string& out, std::uint32_t code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::optional<std::uint32_t> Hex4()
    {
        if (m_at + 4 > m_text.size()) {
            return std::nullopt;
        }
        std::uint32_t code = 0;
        const auto [end, error] = std::from_chars(m_text.data() + m_at, m_text.data() + m_at + 4, code, 16);
        if (error != std::errc() || end != m_text.data() + m_at + 4) {
            return std::nullopt;
        }
        m_at += 4;
        return code;
    }

    std::expected<std::string, std::string> String()
    {
        ++m_at;  // the opening quote
        std::string out;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"') {
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return Error("a control character in a string");
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_at == m_text.size()) {
                break;
            }
            const char escape = m_text[m_at++];
            switch (escape) {
                case '"':
                case '\\':
                case '/':
                    out += escape;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    auto code = Hex4();
                    if (!code) {
                        return Error("a bad \\u escape");
                    }
                    // A high surrogate takes the low one that must follow it.
                    if (*code >= 0xD800 && *code < 0xDC00) {
                        if (!Take("\\u")) {
                            return Error("a lone surrogate");
                        }
                        const auto low = Hex4();
                        if (!low || *low < 0xDC00 || *low >= 0xE000) {
                            return Error("a lone surrogate");
                        }
                        code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
                    } else if (*code >= 0xDC00 && *code < 0xE000) {
                        return Error("a lone surrogate");
                    }
                    AppendUtf8(out, *code);
                    break;
                }
                default:
                    return Error("a bad escape");
            }
        }
        return Error("a string without its closing quote");
    }

    std::expected<JsonValue, std::string> Array(std::size_t depth)
    {
        ++m_at;
        JsonArray items;
        SkipBlanks();
        if (Take("]")) {
            return JsonValue{std::move(items)};
        }
        while (true) {
            auto item = Value(depth + 1);
            if (!item) {
                return item;
            }
            items.push_back(std::move(*item));
            SkipBlanks();
            if (Take("]")) {
                return JsonValue{std::move(items)};
            }
            if (!Take(",")) {
                return Error("\",\" or \"]\" expected");
            }
        }
    }

    std::expected<JsonValue, std::string> Object(std::size_t depth)
    {
        ++m_at;
        JsonObject members;
        SkipBlanks();
        if (Take("}")) {
            return JsonValue{std::move(members)};
        }
        while (true) {
            SkipBlanks();
            if (m_at == m_text.size() || m_text[m_at] != '"') {
                return Error("a member name expected");
            }
            auto name = String();
            if (!name) {
                return std::unexpected(name.error());
            }
            SkipBlanks();
            if (!Take(":")) {
                return Error("\":\" expected");
            }
            auto value = Value(depth + 1);
            if (!value) {
                return value;
            }
            members.insert_or_assign(std::move(*name), std::move(*value));
            SkipBlanks();
            if (Take("}")) {
                return JsonValue{std::move(members)};
            }
            if (!Take(",")) {
                return Error("\",\" or \"}\" expected");
            }
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

}  // namespace

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            std::ostringstream escape;
            escape << "\\u" << std::hex << std::setfill('0') << std::setw(4) << unsigned{byte};
            out += escape.str();
        } else {
            out += c;
        }
    }
    return out + "\"";
}

const JsonValue* JsonValue::Member(std::string_view name) const
{
    const JsonObject* object = Object();
    if (object == nullptr) {
        return nullptr;
    }
    const auto found = object->find(name);
    return found != object->end() ? &found->second : nullptr;
}

std::expected<JsonValue, std::string> ParseJson(std::string_view text) { return JsonReader(text).Document(); }

}  // namespace zalvane::cli
