#include "app/device_events.h"

#include "device/device_commands.h"
#include "language/language_tables.h"
#include "settings/config_patch.h"
#include "settings/text_settings.h"

namespace zalvane::app {
namespace {

constexpr unsigned kStageBalloonTimeoutMs = 5000;
constexpr unsigned kConnectionBalloonTimeoutMs = 100;
constexpr unsigned kDpiUnit = 100;

}  // namespace

bool IsDpiStageNotice(std::uint64_t code, std::uint64_t value)
{
    return code >= notice::kDpiStageFirst && code <= notice::kDpiStageLast && value >= 1 &&
           value <= settings::kStageCount;
}

unsigned StageDpiInImage(const settings::SettingsImage& image, std::uint64_t stage)
{
    const std::uint8_t stored = image.ConfigBlock()[settings::ConfigBlock::kStageDpiX + stage - 1];
    return (stored + 1u) * kDpiUnit;
}

Connection ConnectAtStartUp(AppState& state, DeviceLink& link)
{
    Connection connection{link.Search(), {}};
    if (device::CommandLink* command = link.Link()) {
        connection.opening = device::RunOpeningSequence(*command, state.image, state.record);
    }
    return connection;
}

void HandleMouseArrival(AppState& state, FlowPorts& ports, DeviceLink& link, DeviceUi& ui)
{
    link.Search();
    device::CommandLink* command = link.Link();
    if (command == nullptr) {
        ui.SendNotice(notice::kMouseNotFound, 0);
        ui.HideMainWindow();
        return;
    }
    ui.SendNotice(notice::kMouseFound, 0);
    // The window says nothing of device I/O: a mouse that did not answer shows its
    // defaults until it is found again.
    static_cast<void>(device::RunOpeningSequence(*command, state.image, state.record));
    LoadCurrentProfile(state, ports);
    state.text = settings::ReadTextSettings(ports.ini, state.files.paths.textFile, state.language);
    ui.ResumeListener();
}

void HandleMouseRemoval(DeviceLink& link, DeviceUi& ui)
{
    if (!link.Search().Found()) {
        ui.SendNotice(notice::kMouseNotFound, 0);
    }
}

std::optional<Balloon> BalloonForNotice(std::uint64_t code, std::uint64_t value, language::Language language,
                                        const settings::SettingsImage& image)
{
    using language::SlotText;
    using language::TextSlot;
    // Only a stage the language tables name gets a balloon.
    const auto stageSlot =
        IsDpiStageNotice(code, value) ? language::DpiStageSwitchSlot(static_cast<unsigned>(value)) : std::nullopt;
    if (stageSlot) {
        return Balloon{std::string(SlotText(*stageSlot, language)) + std::to_string(StageDpiInImage(image, value)),
                       std::string(kInfoTitle), kStageBalloonTimeoutMs};
    }
    if (code == notice::kMacro && value != 0) {
        return Balloon{std::string(SlotText(TextSlot::kSwitchToMacroKey, language)) + std::to_string(value),
                       std::string(kInfoTitle), kStageBalloonTimeoutMs};
    }
    if (code == notice::kMouseFound) {
        return Balloon{std::string(SlotText(TextSlot::kMouseDetected, language)), std::string(kInfoTitle),
                       kConnectionBalloonTimeoutMs};
    }
    if (code == notice::kMouseNotFound) {
        return Balloon{std::string(SlotText(TextSlot::kMouseNotDetected, language)), std::string(kWarningTitle),
                       kConnectionBalloonTimeoutMs};
    }
    return std::nullopt;
}

std::optional<Balloon> HandleDeviceNotice(AppState& state, DeviceLink& link, std::uint64_t code, std::uint64_t value)
{
    if (IsDpiStageNotice(code, value)) {
        // Silent about device I/O, as the window is: a read that failed leaves the image
        // as the last read left it, and the balloon shows that.
        if (device::CommandLink* command = link.Link()) {
            static_cast<void>(device::RunDpiStageRead(*command, state.image));
        }
    }
    return BalloonForNotice(code, value, state.language, state.image);
}

}  // namespace zalvane::app
