#include "app/device_apply.h"

#include <algorithm>

#include "assign/button_block.h"
#include "device/device_commands.h"
#include "settings/config_patch.h"

namespace zalvane::app {

using settings::ProfileRecord;
using settings::SettingsImage;

void RunDeviceApply(device::CommandLink& link, ProfileRecord& record, SettingsImage& image)
{
    constexpr std::uint8_t kProfile = 0;
    record[ProfileRecord::kDeviceProfileNumber] = kProfile;
    image[SettingsImage::kDeviceProfileNumber] = kProfile;
    device::SelectProfile(link, kProfile);

    image[SettingsImage::kReportInterval] = record[ProfileRecord::kReportInterval];
    device::SetReportRate(link, image);

    device::ReadConfigBlock(link, image);
    settings::PatchConfigBlock(image.ConfigBlock(), record);
    device::WriteConfigBlock(link, image);

    const auto buttonBlock = assign::BuildButtonBlock(record);
    std::copy(buttonBlock.begin(), buttonBlock.end(), image.ButtonBlock().begin());
    device::WriteButtonBlock(link, image);

    const auto macroArea = record.MacroArea();
    std::copy(macroArea.begin(), macroArea.end(), image.MacroBlocks().begin());
    device::WriteMacroBlocks(link, image);
}

}  // namespace zalvane::app
