#include "cli/macro_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "assign/key_codes.h"
#include "assign/macro_encoding.h"
#include "assign/macro_file.h"
#include "assign/macro_manager.h"
#include "assign/macro_recorder.h"
#include "cli/function_names.h"
#include "cli/json.h"
#include "platform/text_parsing.h"

namespace zalvane::cli {
namespace {

using assign::EventKind;

constexpr std::string_view kDown = "down";
constexpr std::string_view kUp = "up";
constexpr std::string_view kNameHeader = "name:";
constexpr std::string_view kLoopHeader = "loop:";
constexpr std::string_view kLoopOff = "off";

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A key name as an event item writes it: quoted when it holds a separator or a quote.
std::string QuotedKey(std::string_view name)
{
    if (name.find_first_of(",\"\n") == std::string_view::npos && Trimmed(name) == name && !name.empty()) {
        return std::string(name);
    }
    std::string quoted = "\"";
    for (const char c : name) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

// The items of an event text: split at commas and line ends outside quotes.
std::expected<std::vector<std::string>, std::string> Items(std::string_view text)
{
    std::vector<std::string> items;
    std::string item;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '\\' && i + 1 < text.size()) {
            item += c;
            item += text[++i];
            continue;
        }
        if (c == '"') {
            quoted = !quoted;
        }
        if (!quoted && (c == ',' || c == '\n')) {
            items.push_back(std::move(item));
            item.clear();
            continue;
        }
        item += c;
    }
    if (quoted) {
        return std::unexpected("a quote without its end");
    }
    items.push_back(std::move(item));
    std::erase_if(items, [](const std::string& each) { return Trimmed(each).empty(); });
    return items;
}

std::optional<std::string> Unquoted(std::string_view text)
{
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
        return std::string(text);
    }
    std::string name;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '\\' && i + 2 < text.size()) {
            ++i;
        } else if (text[i] == '"') {
            return std::nullopt;
        }
        name += text[i];
    }
    return name;
}

std::expected<std::string, std::string> DelayItem(std::string_view item)
{
    std::string_view number = Trimmed(item.substr(0, item.size() - 2));
    if (!AllDigits(number)) {
        return std::unexpected("\"" + std::string(item) + "\": a delay is a number of ms, e.g. 120 ms");
    }
    const std::int64_t delay = number.size() > 8 ? assign::kMaxMacroDelay + 1 : platform::DecimalValue(number);
    if (delay > assign::kMaxMacroDelay) {
        return std::unexpected("\"" + std::string(item) + "\": a delay is at most " +
                               std::to_string(assign::kMaxMacroDelay) + " ms");
    }
    return assign::DelayLine(delay);
}

std::expected<std::string, std::string> EventItem(std::string_view item)
{
    const std::size_t blank = item.find_last_of(' ');
    const std::string action = Lower(blank == std::string_view::npos ? item : item.substr(blank + 1));
    const bool press = action == kDown || action == "dn";
    if (blank == std::string_view::npos || (!press && action != kUp)) {
        return std::unexpected("\"" + std::string(item) + "\": an event is KEY down, KEY up or N ms");
    }
    const std::string_view written = Trimmed(item.substr(0, blank));
    const auto unquoted = Unquoted(written);
    const auto name = unquoted ? KeyNameFromText(*unquoted) : std::nullopt;
    if (!name) {
        return std::unexpected("\"" + std::string(item) + "\": no key " + std::string(written) +
                               " (zalvane-cli functions lists the key names)");
    }
    if (assign::MacroKeyCodeFromName(*name) == assign::kNoKey) {
        return std::unexpected("\"" + std::string(item) + "\": the mouse plays no " + std::string(*name) +
                               " key in a macro");
    }
    return press ? assign::PressLine(*name) : assign::ReleaseLine(*name);
}

bool IsDelay(std::string_view line) { return assign::ParseEventLine(line).kind == EventKind::kNone; }

std::string LoopText(const std::optional<std::int64_t>& loop)
{
    return loop ? std::to_string(*loop) : std::string(kLoopOff);
}

std::expected<std::optional<std::int64_t>, std::string> ParseLoop(std::string_view text)
{
    if (Lower(text) == kLoopOff) {
        return std::nullopt;
    }
    if (!AllDigits(text) || text.size() > assign::kMaxLoopDigits || platform::DecimalValue(text) < 1 ||
        platform::DecimalValue(text) > assign::kMaxLoopTimes) {
        return std::unexpected("loop " + std::string(text) + ": the loop count is 1 to " +
                               std::to_string(assign::kMaxLoopTimes) + ", or off");
    }
    return platform::DecimalValue(text);
}

std::expected<MacroText, std::string> ParseJsonMacro(std::string_view text)
{
    const auto json = ParseJson(text);
    if (!json) {
        return std::unexpected("not JSON: " + json.error());
    }
    MacroText macro;
    if (const JsonValue* name = json->Member("name"); name != nullptr && name->String() != nullptr) {
        macro.name = *name->String();
    } else if (name != nullptr && !name->IsNull()) {
        return std::unexpected("\"name\" is not a string");
    }
    if (const JsonValue* loop = json->Member("loop"); loop != nullptr && !loop->IsNull()) {
        const double* count = loop->Number();
        if (count == nullptr || *count != std::floor(*count) || *count < 1 ||
            *count > static_cast<double>(assign::kMaxLoopTimes)) {
            return std::unexpected("\"loop\" is 1 to " + std::to_string(assign::kMaxLoopTimes) + ", or null");
        }
        macro.loop = static_cast<std::int64_t>(*count);
    }
    const JsonValue* events = json->Member("events");
    if (events == nullptr || events->Array() == nullptr) {
        return std::unexpected("\"events\" is missing or not an array");
    }
    std::string items;
    for (const JsonValue& event : *events->Array()) {
        const JsonValue* type = event.Member("type");
        const std::string kind = type != nullptr && type->String() != nullptr ? *type->String() : "";
        const JsonValue* key = event.Member("key");
        const JsonValue* ms = event.Member("ms");
        std::string item;
        if ((kind == "press" || kind == "release") && key != nullptr && key->String() != nullptr) {
            item = QuotedKey(*key->String()) + " " + std::string(kind == "press" ? kDown : kUp);
        } else if (kind == "delay" && ms != nullptr && ms->Number() != nullptr && *ms->Number() >= 0 &&
                   *ms->Number() == std::floor(*ms->Number()) && *ms->Number() < 1e12) {
            item = std::to_string(static_cast<std::int64_t>(*ms->Number())) + " ms";
        } else {
            return std::unexpected(
                "an event is {\"type\":\"press\"|\"release\",\"key\":KEY} or "
                "{\"type\":\"delay\",\"ms\":N}");
        }
        items.append(items.empty() ? "" : ", ").append(item);
    }
    auto lines = ParseEvents(items);
    if (!lines) {
        return std::unexpected(lines.error());
    }
    macro.lines = std::move(*lines);
    return macro;
}

std::expected<MacroText, std::string> ParseTextMacro(std::string_view text)
{
    MacroText macro;
    std::string events;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::string lower = Lower(line);
        if (lower.starts_with(kNameHeader)) {
            macro.name = std::string(Trimmed(line.substr(kNameHeader.size())));
        } else if (lower.starts_with(kLoopHeader)) {
            auto loop = ParseLoop(Trimmed(line.substr(kLoopHeader.size())));
            if (!loop) {
                return std::unexpected(loop.error());
            }
            macro.loop = *loop;
        } else {
            events.append(events.empty() ? "" : "\n").append(line);
        }
    }
    auto lines = ParseEvents(events);
    if (!lines) {
        return std::unexpected(lines.error());
    }
    macro.lines = std::move(*lines);
    return macro;
}

}  // namespace

std::string EventsText(std::span<const std::string> lines)
{
    std::string text;
    for (const auto& line : lines) {
        const assign::EventLine event = assign::ParseEventLine(line);
        std::string item;
        if (event.kind == EventKind::kNone) {
            item = line.find(assign::kDelayUnit) != std::string::npos ? assign::DelayLine(assign::DelayFromText(line))
                                                                      : QuotedKey(line);
        } else {
            item = QuotedKey(event.keyName) + " " + std::string(event.kind == EventKind::kPress ? kDown : kUp);
        }
        text.append(text.empty() ? "" : ", ").append(item);
    }
    return text;
}

std::expected<std::vector<std::string>, std::string> ParseEvents(std::string_view text)
{
    auto items = Items(text);
    if (!items) {
        return std::unexpected(items.error());
    }
    std::vector<std::string> lines;
    std::size_t events = 0;
    for (const auto& each : *items) {
        const std::string_view item = Trimmed(each);
        const bool delay = Lower(item).ends_with(assign::kDelayUnit) && item.front() != '"';
        auto line = delay ? DelayItem(item) : EventItem(item);
        if (!line) {
            return std::unexpected(line.error());
        }
        // The mouse plays the delay line after an event; any other is never played.
        if (delay && (lines.empty() || IsDelay(lines.back()))) {
            return std::unexpected("\"" + std::string(item) + "\": a delay comes after a key event");
        }
        events += delay ? 0 : 1;
        lines.push_back(std::move(*line));
    }
    if (events > assign::MacroRecorder::kMaxEvents) {
        return std::unexpected(std::to_string(events) + " events: a macro holds at most " +
                               std::to_string(assign::MacroRecorder::kMaxEvents) + ", as a recording does");
    }
    if (lines.size() > assign::kMaxEventLines) {
        return std::unexpected(std::to_string(lines.size()) + " events and delays: a macro holds at most " +
                               std::to_string(assign::kMaxEventLines) + " (64 events and the delays between them)");
    }
    return lines;
}

bool HasDelayLines(std::span<const std::string> lines) { return std::any_of(lines.begin(), lines.end(), IsDelay); }

std::string FormatMacroText(const MacroText& macro)
{
    return std::string(kNameHeader) + " " + macro.name + "\n" + std::string(kLoopHeader) + " " + LoopText(macro.loop) +
           "\n" + EventsText(macro.lines) + "\n";
}

std::string FormatMacroJson(const MacroText& macro)
{
    std::string json = "{\"name\":" + JsonString(macro.name) +
                       ",\"loop\":" + (macro.loop ? std::to_string(*macro.loop) : std::string("null")) +
                       ",\"events\":[";
    bool first = true;
    for (const auto& line : macro.lines) {
        json += first ? "" : ",";
        first = false;
        const assign::EventLine event = assign::ParseEventLine(line);
        if (event.kind == EventKind::kNone) {
            json += "{\"type\":\"delay\",\"ms\":" + std::to_string(assign::DelayFromText(line)) + "}";
        } else {
            json += std::string("{\"type\":\"") + (event.kind == EventKind::kPress ? "press" : "release") +
                    "\",\"key\":" + JsonString(event.keyName) + "}";
        }
    }
    return json + "]}";
}

std::expected<MacroText, std::string> ParseMacro(std::string_view text)
{
    return Trimmed(text).starts_with("{") ? ParseJsonMacro(text) : ParseTextMacro(text);
}

}  // namespace zalvane::cli
