#pragma once
// JSON as zalvane-cli writes it (one value per line) and reads it (a macro to import):
// objects, arrays, strings, numbers, true, false and null. Text is UTF-8.

#include <cstddef>
#include <cstdint>
#include <expected>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zalvane::cli {

// `text` as a JSON string, quotes included.
std::string JsonString(std::string_view text);

struct JsonValue;
using JsonArray = std::vector<JsonValue>;
using JsonObject = std::map<std::string, JsonValue, std::less<>>;

struct JsonValue {
    std::variant<std::nullptr_t, bool, double, std::string, JsonArray, JsonObject> value;

    const std::string* String() const { return std::get_if<std::string>(&value); }
    const double* Number() const { return std::get_if<double>(&value); }
    const bool* Bool() const { return std::get_if<bool>(&value); }
    const JsonArray* Array() const { return std::get_if<JsonArray>(&value); }
    const JsonObject* Object() const { return std::get_if<JsonObject>(&value); }
    bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value); }
    // The member `name` of an object; nothing for a missing member or a value that is no object.
    const JsonValue* Member(std::string_view name) const;
};

// The value `text` holds, nothing but blanks around it; what is wrong and where otherwise.
// Nesting deeper than kMaxJsonDepth arrays or objects is refused, so that no input can exhaust the stack.
inline constexpr std::size_t kMaxJsonDepth = 64;
std::expected<JsonValue, std::string> ParseJson(std::string_view text);

}  // namespace zalvane::cli
