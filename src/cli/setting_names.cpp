#include "cli/setting_names.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "cli/command_table.h"
#include "language/language_tables.h"
#include "pages/dpi_panel_geometry.h"
#include "pages/panel_rules.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "settings/profile_record.h"

namespace zalvane::cli {
namespace {

using pages::Setting;
using settings::ProfileRecord;

constexpr int kDpiUnit = 100;  // a stage value counts hundreds of DPI
constexpr int kColourBytes = 3;

enum class Kind {
    kDpi,           // a stage's DPI: the slider's 100-DPI steps
    kStageSwitch,   // a stage's enable switch
    kColour,        // a stage's colour, #rrggbb
    kLightingMode,  // by the mode's name
    kStep,          // a slider or dial step as the window numbers it
    kReportRate,    // in Hz, the dial's four
    kSwitch,        // on or off
    kScrollMode,    // lines or one-screen
    kScrollLines,   // the scroll-lines box
    kGesture,       // by the slider's labels, -2 to 2
};

struct Row {
    std::string name;
    Kind kind;
    Setting setting = Setting::kStageValue;
    std::size_t offset = 0;
    std::string meaning;
};

constexpr std::array<language::TextSlot, 3> kLightingModes{language::TextSlot::kStandard,
                                                           language::TextSlot::kRespiration, language::TextSlot::kNeon};
// The report-rate dial's intervals, slowest rate first.
constexpr std::array<std::uint8_t, 4> kDialIntervals{8, 4, 2, 1};
constexpr std::array<std::string_view, 2> kScrollModes{"lines", "one-screen"};  // 0, 1

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::string LightingModeName(std::size_t mode)
{
    return Lower(language::SlotText(kLightingModes.at(mode), language::Language::kEnglish));
}

std::vector<Row> Rows()
{
    std::vector<Row> rows;
    for (int stage = 1; stage <= static_cast<int>(settings::kStageCount); ++stage) {
        const std::string name = "dpi." + std::to_string(stage);
        const auto at = static_cast<std::size_t>(stage - 1);
        rows.push_back({name, Kind::kDpi, Setting::kStageValue, pages::RecordOffset(Setting::kStageValue, stage - 1),
                        "DPI of stage " + std::to_string(stage)});
        rows.push_back({name + ".enabled", Kind::kStageSwitch, Setting::kStageValue, ProfileRecord::kStageEnabled + at,
                        "whether the mouse uses stage " + std::to_string(stage)});
        rows.push_back({name + ".colour", Kind::kColour, Setting::kStageValue,
                        ProfileRecord::kStageColour + kColourBytes * at,
                        "colour of stage " + std::to_string(stage) + " (also .color)"});
    }
    rows.push_back({"lighting", Kind::kLightingMode, Setting::kLightingMode,
                    pages::RecordOffset(Setting::kLightingMode), "lighting mode"});
    for (std::size_t mode = 0; mode < kLightingModes.size(); ++mode) {
        rows.push_back({"lighting." + LightingModeName(mode), Kind::kStep, Setting::kLightingParameter,
                        pages::RecordOffset(Setting::kLightingParameter, static_cast<int>(mode)),
                        "the " + LightingModeName(mode) + " mode's slider step"});
    }
    rows.push_back({"report-rate", Kind::kReportRate, Setting::kReportInterval,
                    pages::RecordOffset(Setting::kReportInterval), "USB report rate in Hz"});
    rows.push_back({"pointer-speed", Kind::kStep, Setting::kMouseSpeed, pages::RecordOffset(Setting::kMouseSpeed),
                    "pointer speed step (system speed 2 x step - 2)"});
    rows.push_back({"double-click-speed", Kind::kStep, Setting::kDoubleClickSpeed,
                    pages::RecordOffset(Setting::kDoubleClickSpeed), "double-click step (970 - 70 x step ms)"});
    rows.push_back({"scroll", Kind::kScrollMode, Setting::kScrollMode, pages::RecordOffset(Setting::kScrollMode),
                    "the wheel scrolls by lines or one screen per notch"});
    rows.push_back({"scroll-lines", Kind::kScrollLines, Setting::kScrollMode, ProfileRecord::kScrollLines,
                    "lines per wheel notch"});
    rows.push_back(
        {"angle-snap", Kind::kSwitch, Setting::kAngleSnap, pages::RecordOffset(Setting::kAngleSnap), "angle snapping"});
    rows.push_back({"gesture-correction", Kind::kGesture, Setting::kGestureCorrection,
                    pages::RecordOffset(Setting::kGestureCorrection), "gesture correction, as the slider's scale"});
    rows.push_back({"sensitivity.x", Kind::kStep, Setting::kSensitivityX, pages::RecordOffset(Setting::kSensitivityX),
                    "X sensitivity step"});
    rows.push_back({"sensitivity.y", Kind::kStep, Setting::kSensitivityY, pages::RecordOffset(Setting::kSensitivityY),
                    "Y sensitivity step"});
    return rows;
}

std::string Range(int min, int max) { return std::to_string(min) + " to " + std::to_string(max); }

std::string ValuesOf(const Row& row)
{
    switch (row.kind) {
        case Kind::kDpi: {
            const pages::SettingRange range = pages::RangeOf(row.setting);
            return Range(range.min * kDpiUnit, range.max * kDpiUnit) + " in steps of " + std::to_string(kDpiUnit);
        }
        case Kind::kStageSwitch:
        case Kind::kSwitch:
            return "on or off";
        case Kind::kColour:
            return "#rrggbb (three hex bytes: red, green, blue)";
        case Kind::kLightingMode:
            return LightingModeName(0) + ", " + LightingModeName(1) + " or " + LightingModeName(2);
        case Kind::kStep: {
            const pages::SettingRange range = pages::RangeOf(row.setting);
            return Range(range.min, range.max);
        }
        case Kind::kReportRate: {
            std::string rates;
            for (const std::uint8_t interval : kDialIntervals) {
                if (const auto rate = pages::ReportRateOf(interval)) {
                    rates.append(rates.empty() ? "" : (interval == kDialIntervals.back() ? " or " : ", "))
                        .append(std::to_string(*rate));
                }
            }
            return rates;
        }
        case Kind::kScrollMode:
            return std::string(kScrollModes[0]) + " or " + std::string(kScrollModes[1]);
        case Kind::kScrollLines:
            return Range(pages::kScrollLinesMin, pages::kScrollLinesMax);
        case Kind::kGesture:
            return std::string(pages::kGestureScaleLabels.front()) + " to " +
                   std::string(pages::kGestureScaleLabels.back());
    }
    return {};
}

std::vector<std::string> ValueWords(const Row& row)
{
    switch (row.kind) {
        case Kind::kStageSwitch:
        case Kind::kSwitch:
            return {"on", "off"};
        case Kind::kLightingMode:
            return {LightingModeName(0), LightingModeName(1), LightingModeName(2)};
        case Kind::kScrollMode:
            return {std::string(kScrollModes[0]), std::string(kScrollModes[1])};
        case Kind::kReportRate: {
            std::vector<std::string> rates;
            for (const std::uint8_t interval : kDialIntervals) {
                if (const auto rate = pages::ReportRateOf(interval)) {
                    rates.push_back(std::to_string(*rate));
                }
            }
            return rates;
        }
        case Kind::kGesture:
            return {pages::kGestureScaleLabels.begin(), pages::kGestureScaleLabels.end()};
        default:
            return {};
    }
}

std::optional<int> Integer(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint8_t> HexByte(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.size() != 2 || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::optional<std::uint8_t> Switch(std::string_view text)
{
    if (text == "on" || text == "1") {
        return 1;
    }
    if (text == "off" || text == "0") {
        return 0;
    }
    return std::nullopt;
}

// The byte (or bytes) a value of `row` stores; nothing when the window could not set it.
std::optional<std::vector<RecordEdit>> ValueEdits(const Row& row, std::string_view text)
{
    const auto one = [&](std::optional<int> value) -> std::optional<std::vector<RecordEdit>> {
        if (!value) {
            return std::nullopt;
        }
        return std::vector<RecordEdit>{{row.offset, static_cast<std::uint8_t>(*value)}};
    };
    const auto stored = [&](std::optional<int> value) -> std::optional<int> {
        return value && pages::PageCanStore(row.setting, *value) ? value : std::nullopt;
    };
    switch (row.kind) {
        case Kind::kDpi: {
            const auto dpi = Integer(text);
            if (!dpi || *dpi % kDpiUnit != 0) {
                return std::nullopt;
            }
            return one(stored(*dpi / kDpiUnit));
        }
        case Kind::kStageSwitch:
        case Kind::kSwitch: {
            const auto value = Switch(Lower(text));
            return one(value ? std::optional<int>(*value) : std::nullopt);
        }
        case Kind::kColour: {
            if (text.size() != 1 + 2 * kColourBytes || text.front() != '#') {
                return std::nullopt;
            }
            std::vector<RecordEdit> edits;
            for (std::size_t i = 0; i < kColourBytes; ++i) {
                const auto byte = HexByte(text.substr(1 + 2 * i, 2));
                if (!byte) {
                    return std::nullopt;
                }
                edits.push_back({row.offset + i, *byte});
            }
            return edits;
        }
        case Kind::kLightingMode:
            for (std::size_t mode = 0; mode < kLightingModes.size(); ++mode) {
                if (Lower(text) == LightingModeName(mode)) {
                    return one(stored(static_cast<int>(mode) + 1));
                }
            }
            return std::nullopt;
        case Kind::kStep:
            return one(stored(Integer(text)));
        case Kind::kReportRate: {
            const auto rate = Integer(text);
            const auto interval = std::ranges::find_if(
                kDialIntervals, [&](std::uint8_t each) { return rate && pages::ReportRateOf(each) == *rate; });
            return interval != kDialIntervals.end() ? one(stored(*interval)) : std::nullopt;
        }
        case Kind::kScrollMode:
            for (std::size_t mode = 0; mode < kScrollModes.size(); ++mode) {
                if (Lower(text) == kScrollModes[mode]) {
                    return one(stored(static_cast<int>(mode)));
                }
            }
            return std::nullopt;
        case Kind::kScrollLines: {
            const auto lines = Integer(text);
            return one(lines && *lines >= pages::kScrollLinesMin && *lines <= pages::kScrollLinesMax ? lines
                                                                                                     : std::nullopt);
        }
        case Kind::kGesture: {
            const auto& labels = pages::kGestureScaleLabels;
            const auto label = std::find(labels.begin(), labels.end(), text);
            if (label == labels.end()) {
                return std::nullopt;
            }
            return one(stored(pages::kGestureMinValue + static_cast<int>(label - labels.begin())));
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<SettingHelp> SettingHelpRows()
{
    std::vector<SettingHelp> help;
    for (const Row& row : Rows()) {
        // The seven stages read alike: one line for each kind, with N for the stage.
        std::string name = row.name;
        std::string meaning = row.meaning;
        if (name.starts_with("dpi.")) {
            if (!name.starts_with("dpi.1")) {
                continue;
            }
            name.replace(4, 1, "N");
            meaning.replace(meaning.rfind('1'), 1, "N (1-" + std::to_string(settings::kStageCount) + ")");
        }
        help.push_back({name, ValuesOf(row), meaning, ValueWords(row)});
    }
    return help;
}

std::vector<SettingName> SettingNames()
{
    const std::vector<Row> rows = Rows();
    std::vector<SettingName> names(rows.size());
    std::ranges::transform(rows, names.begin(), [](const Row& row) { return SettingName{row.name, ValueWords(row)}; });
    return names;
}

std::expected<std::vector<RecordEdit>, Refusal> ParseSetting(std::string_view argument)
{
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos) {
        return std::unexpected(Refusal{kExitUsage, std::string(argument) + ": not NAME=VALUE (zalvane-cli set --help "
                                                                           "lists the names)"});
    }
    std::string name = Lower(argument.substr(0, equals));
    if (name.ends_with(".color")) {
        name.replace(name.size() - 5, 5, "colour");
    }
    const std::string_view value = argument.substr(equals + 1);
    const std::vector<Row> rows = Rows();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.name == name; });
    if (row == rows.end()) {
        return std::unexpected(Refusal{kExitUsage, "no setting " + std::string(argument.substr(0, equals)) +
                                                       " (zalvane-cli set --help lists the names)"});
    }
    auto edits = ValueEdits(*row, value);
    if (!edits) {
        return std::unexpected(
            Refusal{kExitBadInput, std::string(argument) + ": refused: " + row->name + " takes " + ValuesOf(*row)});
    }
    return *edits;
}

}  // namespace zalvane::cli
