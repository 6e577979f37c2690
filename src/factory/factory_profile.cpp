#include "factory/factory_profile.h"

#include <array>
#include <string_view>

#include "assign/function_lists.h"
#include "language/language_tables.h"
#include "pages/main_window_geometry.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "platform/ini_document.h"
#include "settings/profile_files.h"
#include "settings/profile_list.h"
#include "settings/program_paths.h"
#include "settings/text_settings.h"
#include "ui/skin_state.h"

namespace zalvane::factory {
namespace {

using namespace settings;
using R = ProfileRecord;
using assign::ActionType;

constexpr std::array<std::uint8_t, kStageCount> kStageHundreds = {8, 16, 24, 32, 48, 64, 120};
constexpr std::array<std::array<std::uint8_t, 3>, kStageCount> kStageColours = {{
    {255, 0, 0},    // red
    {255, 128, 0},  // orange
    {255, 255, 0},  // yellow
    {0, 255, 0},    // green
    {0, 255, 255},  // cyan
    {0, 0, 255},    // blue
    {255, 0, 255},  // magenta
}};

// Buttons 1-7 as the first-run captions name them; the side buttons are off.
constexpr std::array<ActionType, 7> kFrontButtons = {
    ActionType::kClick,           ActionType::kMenu,     ActionType::kRightTitleScroll, ActionType::kLeftTitleScroll,
    ActionType::kUniversalScroll, ActionType::kCpiCycle, ActionType::kCpiCycle,
};
constexpr std::uint8_t kDpiUp = 1;
constexpr std::uint8_t kDpiDown = 2;

// The default skin's text colour, which reads on every surface the program writes on.
constexpr std::array<std::string_view, 3> kTextColour = {"225", "228", "235"};
constexpr std::string_view kFirstProfileName = "PROFILE_0";

// The slider rows: where each slider's track lies with only its own panel open.
constexpr int kSensitivityXRow = pages::XSlider(pages::InitialStrip(pages::Item::kXySensitivity)).top;
constexpr int kSensitivityYRow = pages::YSlider(pages::InitialStrip(pages::Item::kXySensitivity)).top;
constexpr int kGestureRow = pages::GestureSlider(pages::InitialStrip(pages::Item::kGestureCorrection)).top;
constexpr int kMouseSpeedRow = pages::SpeedDial(pages::InitialStrip(pages::Item::kMouseSpeed), 0).top;
constexpr std::array<int, kSliderRowCount> kSliderRows = {kSensitivityXRow, kSensitivityYRow, kGestureRow,
                                                          kMouseSpeedRow};

std::vector<std::uint8_t> FactoryProfileFile()
{
    const ProfileRecord record = FactoryProfileRecord();
    std::vector<std::uint8_t> bytes{0};  // never saved: the main page writes first-run captions
    bytes.insert(bytes.end(), record.bytes.begin(), record.bytes.end());
    return bytes;
}

// A new text file, UTF-16LE with a byte order mark, as the system's private-profile
// functions keep Chinese texts.
std::vector<std::uint8_t> TextFile(bool withProfileList)
{
    platform::IniDocument document = platform::IniDocument::Parse({});
    document.Set(kSkinsSection, kSkinPathKey, ui::kDefaultSkinName);
    document.Set(kSkinsSection, kRedKey, kTextColour[0]);
    document.Set(kSkinsSection, kGreenKey, kTextColour[1]);
    document.Set(kSkinsSection, kBlueKey, kTextColour[2]);
    document.Set(kSkinsSection, kLanguageKey, "");
    for (std::size_t row = 0; row < kSliderRowCount; ++row) {
        document.Set(kPointSection, kSliderRowKeys[row], std::to_string(kSliderRows[row]));
    }
    for (const auto language : {language::Language::kEnglish, language::Language::kSimplifiedChinese,
                                language::Language::kTraditionalChinese}) {
        const ButtonCaptions captions = assign::FirstRunCaptions(language);
        for (std::size_t button = 0; button < kButtonCount; ++button) {
            document.Set(ButtonLabelSection(language), CaptionKey(button), captions[button]);
        }
    }
    if (withProfileList) {
        document.Set(kProfileSection, kCurrentProfileKey, kFirstProfileName);
        document.Set(kProfileSection, kProfileCountKey, "1");
        document.Set(kProfileSection, ProfileItemKey(0), kFirstProfileName);
    }
    return document.Serialize();
}

}  // namespace

ProfileRecord FactoryProfileRecord()
{
    ProfileRecord record;
    record[R::kReportInterval] = 1;
    for (std::size_t stage = 0; stage < kStageCount; ++stage) {
        record[R::kStageValue + stage] = kStageHundreds[stage];
        record[R::kStageEnabled + stage] = 1;
        for (std::size_t part = 0; part < 3; ++part) {
            record[R::kStageColour + 3 * stage + part] = kStageColours[stage][part];
        }
    }
    record[R::kLightingMode] = 1;
    record[R::kLightingParameter + 0] = 5;
    record[R::kLightingParameter + 1] = 3;
    record[R::kLightingParameter + 2] = 3;
    record[R::kEnhancePointerPrecision] = 1;
    record[R::kScrollMode] = 0;
    record[R::kScrollLines] = 3;
    record[R::kMouseSpeed] = 6;
    record[R::kDoubleClickSpeed] = 7;
    record[R::kAngleSnap] = 0;
    record[R::kGestureCorrection] = 3;
    record[R::kSensitivityX] = 5;
    record[R::kSensitivityY] = 5;
    for (std::size_t button = 0; button < kButtonCount; ++button) {
        const ActionType type = button < kFrontButtons.size() ? kFrontButtons[button] : ActionType::kButtonOff;
        record.Button(R::kActionType, button) = static_cast<std::uint8_t>(type);
    }
    record.Button(R::kDpiFunction, 5) = kDpiUp;
    record.Button(R::kDpiFunction, 6) = kDpiDown;
    return record;
}

std::vector<ShippedFile> ShippedDataFiles()
{
    std::vector<ShippedFile> files;
    const std::vector<std::uint8_t> profile = FactoryProfileFile();
    files.push_back({std::string(kFactoryProfileFileName), profile});
    for (std::size_t index = 0; index < kProfileSlotCount; ++index) {
        files.push_back({ProfileFileName(index), profile});
    }
    files.push_back({std::string(kListFileName), TextFile(true)});
    const std::vector<std::uint8_t> text = TextFile(false);
    for (std::size_t index = 0; index < kProfileSlotCount; ++index) {
        files.push_back({TextFileName(index), text});
    }
    files.push_back({std::string(kRecordFileName), platform::IniDocument::Parse({}).Serialize()});
    return files;
}

}  // namespace zalvane::factory
