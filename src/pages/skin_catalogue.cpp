#include "pages/skin_catalogue.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

#include "pages/dpi_panel_geometry.h"
#include "pages/lighting_panel_geometry.h"
#include "pages/main_window_geometry.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"

namespace zalvane::pages {
namespace {

template <int First, int Last>
constexpr std::array<int, Last - First + 1> Range()
{
    std::array<int, Last - First + 1> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = First + static_cast<int>(i);
    }
    return values;
}

// Values the pages draw: every stage value a slider gives (and a profile file may hold),
// the X/Y and gesture steps, the lighting steps including the slider's last four pixels,
// the four report rates (1000 / interval), and the speed steps, 1 included because a
// profile file may hold it although the dial never gives it.
constexpr auto kDpiValues = Range<kDpiStageMinValue, kDpiStageMaxValue>();
constexpr auto kXyValues = Range<kXyMinValue, kXyMaxValue>();
constexpr auto kLightingValues = Range<kLightingMinValue, kLightingMaxValue>();
constexpr std::array<int, 4> kReportRates{1000, 500, 250, 125};
constexpr auto kSpeedValues = Range<kSpeedMinValue, kSpeedMaxValue>();
constexpr auto kGestureValues = Range<kGestureMinValue, kGestureMaxValue>();
constexpr auto kFrontSpotNumbers = Range<1, static_cast<int>(kFrontSpotCount)>();
constexpr auto kSideSpotNumbers = Range<1, static_cast<int>(kSideSpotCount)>();

constexpr std::span<const int> kFixed{};

constexpr std::array kFamilies{
    SkinImageFamily{kStartImage, kFixed},
    SkinImageFamily{kMainImage, kFixed},
    SkinImageFamily{kLogoImage, kFixed},
    SkinImageFamily{kScrollBarImage, kFixed},
    SkinImageFamily{kItemStripImage, kFixed},
    SkinImageFamily{kMacroManagerStripImage, kFixed},
    SkinImageFamily{kMainLeftImage, kFixed},
    SkinImageFamily{kMainMidImage, kFixed},
    SkinImageFamily{kMainRightImage, kFixed},
    SkinImageFamily{kEnableImage, kFixed},
    SkinImageFamily{kDisableImage, kFixed},
    SkinImageFamily{kHelpNormalImage, kFixed},
    SkinImageFamily{kHelpOverImage, kFixed},
    SkinImageFamily{kMinimiseNormalImage, kFixed},
    SkinImageFamily{kMinimiseOverImage, kFixed},
    SkinImageFamily{kCloseNormalImage, kFixed},
    SkinImageFamily{kCloseOverImage, kFixed},
    SkinImageFamily{kCancelNormalImage, kFixed},
    SkinImageFamily{kCancelOverImage, kFixed},
    SkinImageFamily{kSaveNormalImage, kFixed},
    SkinImageFamily{kSaveOverImage, kFixed},
    SkinImageFamily{kConfigNormalImage, kFixed},
    SkinImageFamily{kConfigOverImage, kFixed},
    SkinImageFamily{kMouseSwitchNormalImage, kFixed},
    SkinImageFamily{kMouseSwitchSelectedImage, kFixed},
    SkinImageFamily{kComboKeyBackground, kFixed},
    SkinImageFamily{kSingleKeyBackground, kFixed},
    SkinImageFamily{kMacroKeyBackground, kFixed},
    SkinImageFamily{kTickOffImage, kFixed},
    SkinImageFamily{kTickOnImage, kFixed},
    SkinImageFamily{kInsertMacroNormalImage, kFixed},
    SkinImageFamily{kInsertMacroOverImage, kFixed},
    SkinImageFamily{kMacroCloseNormalImage, kFixed},
    SkinImageFamily{kMacroCloseOverImage, kFixed},
    SkinImageFamily{kConfigBackground, kFixed},
    SkinImageFamily{kConfigNewImage, kFixed},
    SkinImageFamily{kHelpBackground, kFixed},
    SkinImageFamily{kMacroManagerBackground, kFixed},
    SkinImageFamily{kMacroTickOffImage, kFixed},
    SkinImageFamily{kMacroTickOnImage, kFixed},
    SkinImageFamily{kRecordImage, kFixed},
    SkinImageFamily{kMacroCancelNormalImage, kFixed},
    SkinImageFamily{kMacroCancelOverImage, kFixed},
    SkinImageFamily{kDialogButtonNormalImage, kFixed},
    SkinImageFamily{kDialogButtonOverImage, kFixed},
    SkinImageFamily{kAssignmentFrontBackground, kFixed},
    SkinImageFamily{kAssignmentSideBackground, kFixed},
    SkinImageFamily{kDropdownNormalImage, kFixed},
    SkinImageFamily{kDropdownOverImage, kFixed},
    SkinImageFamily{kDropdownChosenImage, kFixed},
    SkinImageFamily{kMouseFrontImage, kFixed},
    SkinImageFamily{kFrontSpotNormalPattern, kFrontSpotNumbers},
    SkinImageFamily{kFrontSpotOverPattern, kFrontSpotNumbers},
    SkinImageFamily{kMouseSideImage, kFixed},
    SkinImageFamily{kSideSpotNormalPattern, kSideSpotNumbers},
    SkinImageFamily{kSideSpotOverPattern, kSideSpotNumbers},
    SkinImageFamily{kXyBackground, kFixed},
    SkinImageFamily{kStageSliderPattern, kXyValues},
    SkinImageFamily{kDpiBackground, kFixed},
    SkinImageFamily{kDpiValueImage, kFixed},
    SkinImageFamily{kDpiStagePattern, kDpiValues},
    SkinImageFamily{kLightingBackground, kFixed},
    SkinImageFamily{kLightingPattern, kLightingValues},
    SkinImageFamily{kReportRateBackground, kFixed},
    SkinImageFamily{kReportRatePattern, kReportRates},
    SkinImageFamily{kMouseAttributeBackground, kFixed},
    SkinImageFamily{kSpeedPattern, kSpeedValues},
    SkinImageFamily{kScrollSpeedBackground, kFixed},
    SkinImageFamily{kScrollModeOnImage, kFixed},
    SkinImageFamily{kScrollModeOffImage, kFixed},
    SkinImageFamily{kScrollLinesImage, kFixed},
    SkinImageFamily{kAngleSnapBackground, kFixed},
    SkinImageFamily{kGestureBackground, kFixed},
    SkinImageFamily{kGesturePattern, kGestureValues},
};

}  // namespace

std::string SkinImageName(std::string_view pattern, int value)
{
    const std::size_t at = pattern.find("%d");
    if (at == std::string_view::npos) {
        return std::string(pattern);
    }
    std::string name(pattern.substr(0, at));
    name += std::to_string(value);
    name += pattern.substr(at + 2);
    return name;
}

std::span<const SkinImageFamily> SkinImageFamilies() { return kFamilies; }

std::vector<std::string> AllSkinImageNames()
{
    std::vector<std::string> names;
    for (const SkinImageFamily& family : kFamilies) {
        if (family.values.empty()) {
            names.emplace_back(family.pattern);
            continue;
        }
        std::ranges::transform(family.values, std::back_inserter(names),
                               [&](int value) { return SkinImageName(family.pattern, value); });
    }
    return names;
}

}  // namespace zalvane::pages
