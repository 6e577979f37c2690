#include "app/device_apply.h"

#include <algorithm>

#include "assign/button_block.h"
#include "device/device_commands.h"
#include "settings/config_patch.h"

namespace zalvane::app {

using settings::ProfileRecord;
using settings::SettingsImage;

device::TransferResult RunDeviceApply(device::CommandLink& link, ProfileRecord& record, SettingsImage& image)
{
    record[ProfileRecord::kDeviceProfileNumber] = kAppliedProfileNumber;
    image[SettingsImage::kDeviceProfileNumber] = kAppliedProfileNumber;
    if (auto sent = device::SelectProfile(link, kAppliedProfileNumber); !sent) {
        return sent;
    }

    image[SettingsImage::kReportInterval] = record[ProfileRecord::kReportInterval];
    if (auto sent = device::SetReportRate(link, image); !sent) {
        return sent;
    }

    if (auto read = device::ReadConfigBlock(link, image); !read) {
        return std::unexpected(read.error());
    }
    settings::PatchConfigBlock(image.ConfigBlock(), record);
    if (auto sent = device::WriteConfigBlock(link, image); !sent) {
        return sent;
    }

    const auto buttonBlock = assign::BuildButtonBlock(record);
    std::copy(buttonBlock.begin(), buttonBlock.end(), image.ButtonBlock().begin());
    if (auto sent = device::WriteButtonBlock(link, image); !sent) {
        return sent;
    }

    const auto macroArea = record.MacroArea();
    std::copy(macroArea.begin(), macroArea.end(), image.MacroBlocks().begin());
    return device::WriteMacroBlocks(link, image);
}

}  // namespace zalvane::app
