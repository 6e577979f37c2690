#include "cli/profile_summary.h"

#include <algorithm>
#include <array>
#include <iomanip>
#include <optional>
#include <sstream>

#include "app/pointer_settings.h"
#include "assign/function_lists.h"
#include "assign/key_codes.h"
#include "cli/function_names.h"
#include "cli/json.h"
#include "language/language_tables.h"
#include "pages/sensor_panel_geometry.h"

namespace zalvane::cli {
namespace {

using assign::ActionType;
using settings::ProfileRecord;
using R = ProfileRecord;

// `value` in hex with at least `width` digits, uppercase.
std::string HexDigits(unsigned value, int width)
{
    std::ostringstream text;
    text << std::hex << std::uppercase << std::setfill('0') << std::setw(width) << value;
    return text.str();
}

std::string Hex(unsigned value) { return "0x" + HexDigits(value & 0xFFu, 2); }

std::string Colour(const ProfileRecord& record, std::size_t stage)
{
    const std::size_t at = R::kStageColour + 3 * stage;
    return "#" + HexDigits(record[at], 2) + HexDigits(record[at + 1], 2) + HexDigits(record[at + 2], 2);
}

// The entry of a second list that stores `value`.
std::optional<std::string_view> SecondListText(assign::SecondList list, std::uint8_t value, language::Language language)
{
    const auto entries = assign::SecondListEntries(list);
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [value](const auto& candidate) { return candidate.value == value; });
    if (entry == entries.end()) {
        return std::nullopt;
    }
    return assign::EntryText(*entry, language);
}

std::string KeyName(std::uint8_t code)
{
    const std::string_view name = assign::KeyNameFromCode(code);
    return name.empty() ? "key " + Hex(code) : std::string(name);
}

constexpr std::array<std::string_view, 3> kRepeatModes = {"repeat the set number of times or until any key",
                                                          "repeat until any key", "repeat while the button is held"};

struct ButtonSummary {
    std::string name;
    unsigned actionType = 0;
    std::string function;
    std::string detail;  // the chosen parameter in words; empty when the function has none
};

ButtonSummary SummariseButton(const ProfileSummaryInput& input, std::size_t button)
{
    const ProfileRecord& record = input.record;
    const language::Language language = input.language;
    ButtonSummary summary;
    const auto nameSlot = language::ButtonNameSlot(button);
    summary.name =
        nameSlot ? std::string(language::SlotText(*nameSlot, language)) : "button " + std::to_string(button + 1);
    summary.actionType = record.Button(R::kActionType, button);
    const auto type = static_cast<ActionType>(summary.actionType);
    summary.function = std::string(assign::FunctionText(type, language));
    if (summary.function.empty()) {
        summary.function = "unknown action type " + std::to_string(summary.actionType);
        return summary;
    }
    const auto fromList = [&](std::size_t field, std::string_view what) {
        const std::uint8_t value = record.Button(field, button);
        const auto text = SecondListText(*assign::SecondListOf(type), value, language);
        return text ? std::string(*text) : std::string(what) + " " + std::to_string(value) + " (not in the list)";
    };
    switch (type) {
        case ActionType::kCpiCycle:
            summary.detail = fromList(R::kDpiFunction, "DPI function");
            break;
        case ActionType::kMultimedia:
            summary.detail = fromList(R::kConsumerCode, "consumer code");
            break;
        case ActionType::kHotKey:
            summary.detail = fromList(R::kHotKeyLetter, "key");
            break;
        case ActionType::kWindows:
            summary.detail = fromList(R::kWindowsCommand, "command");
            break;
        case ActionType::kSingleKey:
            summary.detail = KeyName(record.Button(R::kSingleKey, button));
            break;
        case ActionType::kComboKey: {
            std::vector<std::string> parts;
            const std::uint8_t modifiers = record.Button(R::kComboModifiers, button);
            for (unsigned bit = 1; bit <= 0x80; bit <<= 1) {
                if ((modifiers & bit) != 0) {
                    parts.emplace_back(assign::ModifierNameFromBit(static_cast<std::uint8_t>(bit)));
                }
            }
            for (const std::size_t field : {R::kComboKey1, R::kComboKey2}) {
                if (record.Button(field, button) != assign::kNoKey) {
                    parts.push_back(KeyName(record.Button(field, button)));
                }
            }
            for (const auto& part : parts) {
                summary.detail += (summary.detail.empty() ? "" : " + ") + part;
            }
            break;
        }
        case ActionType::kMacroKey: {
            const std::size_t macro = record.Button(R::kMacroNumber, button);
            const std::uint8_t mode = record.Button(R::kMacroRepeatMode, button);
            summary.detail = "macro " + std::to_string(macro + 1);
            if (macro < input.macroNames.size()) {
                summary.detail += " \"" + input.macroNames[macro] + "\"";
            }
            summary.detail += ", " + (mode < kRepeatModes.size() ? std::string(kRepeatModes[mode])
                                                                 : "repeat mode " + std::to_string(mode));
            break;
        }
        default:
            break;
    }
    return summary;
}

std::optional<unsigned> ReportRate(const ProfileRecord& record)
{
    const unsigned interval = record[R::kReportInterval];
    if (interval == 0) {
        return std::nullopt;
    }
    return 1000u / interval;
}

std::string LightingModeName(const ProfileRecord& record, language::Language language)
{
    switch (record[R::kLightingMode]) {
        case 1:
            return std::string(language::SlotText(language::TextSlot::kStandard, language));
        case 2:
            return std::string(language::SlotText(language::TextSlot::kRespiration, language));
        case 3:
            return std::string(language::SlotText(language::TextSlot::kNeon, language));
        default:
            return "mode " + std::to_string(record[R::kLightingMode]);
    }
}

std::size_t MacroBlocksInUse(const ProfileRecord& record)
{
    const auto area = record.MacroArea();
    std::size_t used = 0;
    for (std::size_t block = 0; block < settings::kMacroCount; ++block) {
        const auto begin = area.begin() + static_cast<std::ptrdiff_t>(block * settings::kMacroBlockSize);
        used += std::any_of(begin, begin + settings::kMacroBlockSize, [](std::uint8_t b) { return b != 0; }) ? 1 : 0;
    }
    return used;
}

std::string Json(std::string_view text) { return JsonString(text); }

std::string JsonOrNull(const std::optional<std::string>& text) { return text ? JsonString(*text) : "null"; }

// The gesture correction step as the slider's scale labels it; the step itself when the
// scale has no label for it.
std::string GestureLabel(std::uint8_t step)
{
    const std::size_t at = step - static_cast<std::size_t>(pages::kGestureMinValue);
    return step >= pages::kGestureMinValue && at < pages::kGestureScaleLabels.size()
               ? std::string(pages::kGestureScaleLabels[at])
               : "step " + std::to_string(step);
}

const char* Bool(bool value) { return value ? "true" : "false"; }

// Goes up when a member changes its meaning or goes away; new members leave it.
constexpr int kShowJsonVersion = 1;

}  // namespace

void PrintProfileSummary(std::ostream& out, const ProfileSummaryInput& input)
{
    const ProfileRecord& record = input.record;
    const app::PointerValues pointer = app::PointerValuesFor(record);
    out << "profile file: " << input.profilePath << " (first-run flag " << unsigned{input.firstRunFlag} << ")\n";
    const auto rate = ReportRate(record);
    out << "report rate: " << (rate ? std::to_string(*rate) + " Hz" : std::string("none")) << " (interval "
        << unsigned{record[R::kReportInterval]} << " ms)\n";
    out << "dpi stages:\n";
    for (std::size_t stage = 0; stage < settings::kStageCount; ++stage) {
        out << "  " << stage + 1 << ": " << record[R::kStageValue + stage] * 100 << " DPI, "
            << (record[R::kStageEnabled + stage] != 0 ? "on" : "off") << ", colour " << Colour(record, stage) << '\n';
    }
    out << "lighting: " << LightingModeName(record, input.language) << " (parameters: standard "
        << unsigned{record[R::kLightingParameter]} << ", respiration " << unsigned{record[R::kLightingParameter + 1]}
        << ", neon " << unsigned{record[R::kLightingParameter + 2]} << ")\n";
    out << "pointer: enhance pointer precision " << (record[R::kEnhancePointerPrecision] == 1 ? "on" : "off")
        << ", speed step " << unsigned{record[R::kMouseSpeed]} << " (system speed " << pointer.speed << "), ";
    if (record[R::kScrollMode] != 0) {
        out << "scroll one screen";
    } else {
        out << "scroll " << unsigned{record[R::kScrollLines]} << " lines";
    }
    out << ", double-click step " << unsigned{record[R::kDoubleClickSpeed]} << " (" << pointer.doubleClickTime
        << " ms)\n";
    out << "sensor: angle snap " << (record[R::kAngleSnap] != 0 ? "on" : "off") << ", gesture correction "
        << GestureLabel(record[R::kGestureCorrection]) << ", x sensitivity " << unsigned{record[R::kSensitivityX]}
        << ", y sensitivity " << unsigned{record[R::kSensitivityY]} << '\n';
    out << "buttons:\n";
    for (std::size_t button = 0; button < settings::kButtonCount; ++button) {
        const ButtonSummary summary = SummariseButton(input, button);
        out << "  " << summary.name << ": " << summary.function;
        if (!summary.detail.empty()) {
            out << ": " << summary.detail;
        }
        out << " [caption \"" << input.captions[button] << "\"]";
        if (const auto name = FunctionNameOf(record, button, input.macroNames)) {
            out << " (assign " << *name << ")";
        }
        out << '\n';
    }
    out << "macro blocks in use: " << MacroBlocksInUse(record) << " of " << settings::kMacroCount << '\n';
}

void PrintProfileJson(std::ostream& out, const ProfileSummaryInput& input)
{
    const ProfileRecord& record = input.record;
    const app::PointerValues pointer = app::PointerValuesFor(record);
    const auto rate = ReportRate(record);
    out << "{\"version\":" << kShowJsonVersion << ",\"file\":" << Json(input.profilePath)
        << ",\"firstRunFlag\":" << unsigned{input.firstRunFlag}
        << ",\"reportIntervalMs\":" << unsigned{record[R::kReportInterval]}
        << ",\"reportRateHz\":" << (rate ? std::to_string(*rate) : "null") << ",\"dpiStages\":[";
    for (std::size_t stage = 0; stage < settings::kStageCount; ++stage) {
        out << (stage ? "," : "") << "{\"dpi\":" << record[R::kStageValue + stage] * 100
            << ",\"enabled\":" << Bool(record[R::kStageEnabled + stage] != 0) << ",\"colour\":\""
            << Colour(record, stage) << "\"}";
    }
    out << "],\"lighting\":{\"mode\":" << unsigned{record[R::kLightingMode]}
        << ",\"name\":" << Json(LightingModeName(record, input.language)) << ",\"parameters\":["
        << unsigned{record[R::kLightingParameter]} << "," << unsigned{record[R::kLightingParameter + 1]} << ","
        << unsigned{record[R::kLightingParameter + 2]} << "]}";
    out << ",\"pointer\":{\"enhancePointerPrecision\":" << Bool(record[R::kEnhancePointerPrecision] == 1)
        << ",\"speedStep\":" << unsigned{record[R::kMouseSpeed]} << ",\"systemSpeed\":" << pointer.speed
        << ",\"scrollOneScreen\":" << Bool(record[R::kScrollMode] != 0)
        << ",\"scrollLines\":" << unsigned{record[R::kScrollLines]}
        << ",\"doubleClickStep\":" << unsigned{record[R::kDoubleClickSpeed]}
        << ",\"doubleClickMs\":" << pointer.doubleClickTime << "}";
    out << ",\"sensor\":{\"angleSnap\":" << Bool(record[R::kAngleSnap] != 0)
        << ",\"gestureCorrection\":" << unsigned{record[R::kGestureCorrection]}
        << ",\"sensitivityX\":" << unsigned{record[R::kSensitivityX]}
        << ",\"sensitivityY\":" << unsigned{record[R::kSensitivityY]} << "},\"buttons\":[";
    for (std::size_t button = 0; button < settings::kButtonCount; ++button) {
        const ButtonSummary summary = SummariseButton(input, button);
        out << (button ? "," : "") << "{\"name\":" << Json(summary.name) << ",\"actionType\":" << summary.actionType
            << ",\"function\":" << Json(summary.function) << ",\"detail\":" << Json(summary.detail)
            << ",\"caption\":" << Json(input.captions[button])
            << ",\"assign\":" << JsonOrNull(FunctionNameOf(record, button, input.macroNames)) << "}";
    }
    out << "],\"macroBlocksInUse\":" << MacroBlocksInUse(record) << "}\n";
}

}  // namespace zalvane::cli
