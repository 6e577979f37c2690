// The device side of the link as a mouse that answers anything: a HID bus with arbitrary
// interfaces, and ports whose every answer (feature reports, input reports, event
// reports, of any length and any bytes) and every refusal come from the input. Runs the
// search, the opening sequence, DPI-stage and macro notices, the device apply and the
// event listener, and checks what each promises its caller.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/device_apply.h"
#include "app/device_events.h"
#include "app/device_link.h"
#include "app/event_listener.h"
#include "device/device_commands.h"
#include "device/event_report.h"
#include "fuzz_input.h"
#include "platform/pacer.h"

using zalvane::fuzz::FuzzInput;
using zalvane::fuzz::Require;
namespace app = zalvane::app;
namespace device = zalvane::device;
namespace platform = zalvane::platform;
namespace settings = zalvane::settings;

namespace {

// Counts what the host sent, and marks the first answer that should end a command
// sequence: nothing may be sent after it.
struct Wire {
    FuzzInput& input;
    std::size_t sends = 0;
    bool failed = false;
    std::size_t sendsAfterFailure = 0;

    void Sent()
    {
        ++sends;
        if (failed) {
            ++sendsAfterFailure;
        }
    }
};

class FuzzCommandPort final : public platform::HidPort {
public:
    explicit FuzzCommandPort(Wire& wire) : m_wire(wire) {}

    bool SendFeatureReport(std::span<const std::uint8_t> report) override
    {
        Require(report.size() >= device::kFeatureReportSize && report[0] == 0);
        m_wire.Sent();
        return Take(m_wire.input.Byte() != 1);
    }

    bool GetFeatureReport(std::span<std::uint8_t> report) override
    {
        const std::uint8_t mode = m_wire.input.Byte();
        if (mode == 1) {
            return Take(false);
        }
        Fill(report, m_wire.input.Bytes(m_wire.input.Byte()));
        return true;
    }

    bool WriteOutputReport(std::span<const std::uint8_t> report) override
    {
        Require(report.size() == device::kOutputReportSize);
        m_wire.Sent();
        return Take(m_wire.input.Byte() != 1);
    }

    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds) override
    {
        const std::uint8_t mode = m_wire.input.Byte();
        if (mode == 1) {
            m_wire.failed = true;
            return std::nullopt;
        }
        const std::size_t stored = Fill(buffer, m_wire.input.Bytes(m_wire.input.Byte()));
        // A chunk that came short or not at all ends the sequence after its transfer.
        m_wire.failed = m_wire.failed || stored < buffer.size();
        return stored;
    }

private:
    bool Take(bool ok)
    {
        m_wire.failed = m_wire.failed || !ok;
        return ok;
    }

    // As a driver does: the report as it came, cut to the buffer.
    static std::size_t Fill(std::span<std::uint8_t> buffer, const std::vector<std::uint8_t>& report)
    {
        const std::size_t count = std::min(buffer.size(), report.size());
        std::copy_n(report.begin(), count, buffer.begin());
        return count;
    }

    Wire& m_wire;
};

// Event reports from the input until it runs dry; then the listener is told to stop.
class FuzzEventPort final : public platform::HidEventPort {
public:
    FuzzEventPort(FuzzInput& input, std::atomic<bool>& stop) : m_input(input), m_stop(stop) {}

    bool StartRead(std::size_t, platform::WakeEvent& wake) override
    {
        if (m_input.Empty() || m_input.Byte() == 1) {
            m_stop.store(true);
            wake.Set();
            return false;
        }
        m_report = m_input.Bytes(m_input.Byte());
        m_reading = true;
        wake.Set();
        return true;
    }
    bool ReadEnded() override { return m_reading; }
    std::optional<std::size_t> FinishRead(std::span<std::uint8_t> buffer) override
    {
        if (!m_reading) {
            return std::nullopt;
        }
        m_reading = false;
        const std::size_t count = std::min(buffer.size(), m_report.size());
        std::copy_n(m_report.begin(), count, buffer.begin());
        ++finished;
        if (count >= 4 && buffer[0] == device::kEventReportId && buffer[1] == device::kEventClass) {
            ++events;
        }
        return count;
    }
    void CancelRead() override { m_reading = false; }

    std::size_t finished = 0;
    std::size_t events = 0;  // reports the listener must hand over

private:
    FuzzInput& m_input;
    std::atomic<bool>& m_stop;
    std::vector<std::uint8_t> m_report;
    bool m_reading = false;
};

class FuzzQuery final : public device::HidQuery {
public:
    explicit FuzzQuery(FuzzInput& input) : m_input(input) {}
    std::optional<device::HidAttributes> Attributes() override
    {
        switch (m_input.Byte() % 3) {
            case 0:
                return device::HidAttributes{device::kMouseVendorId, device::kMouseProductId};
            case 1:
                return device::HidAttributes{m_input.Word(), m_input.Word()};
            default:
                return std::nullopt;
        }
    }
    std::optional<device::HidCapabilities> Capabilities() override
    {
        const std::uint8_t kind = m_input.Byte();
        if (kind % 4 == 3) {
            return std::nullopt;
        }
        device::HidCapabilities caps;
        caps.usagePage = kind % 4 == 0   ? device::kCommandUsagePage
                         : kind % 4 == 1 ? device::kEventUsagePage
                                         : m_input.Word();
        caps.usage = kind % 4 == 0 ? device::kCommandUsage : kind % 4 == 1 ? device::kEventUsage : m_input.Word();
        caps.inputReportLength = m_input.Word();
        caps.outputReportLength = m_input.Word();
        caps.featureReportLength = (kind & 0x80) != 0 ? m_input.Word() : device::kCommandFeatureLength;
        return caps;
    }

private:
    FuzzInput& m_input;
};

class FuzzInterfaceList final : public device::HidInterfaceList {
public:
    FuzzInterfaceList(Wire& wire, std::atomic<bool>& stop, std::vector<FuzzEventPort*>& eventPorts)
        : m_wire(wire), m_stop(stop), m_eventPorts(eventPorts), m_count(wire.input.Below(5))
    {
    }
    std::expected<std::string, device::HidEnumError> Path(std::size_t index) override
    {
        if (index >= m_count) {
            return std::unexpected(m_wire.input.Byte() == 1 ? device::HidEnumError::kFailed
                                                            : device::HidEnumError::kNoMoreItems);
        }
        return "\\\\?\\hid#" + std::to_string(index);
    }
    std::unique_ptr<device::HidQuery> OpenForQuery(std::size_t) override
    {
        return m_wire.input.Byte() == 1 ? nullptr : std::make_unique<FuzzQuery>(m_wire.input);
    }
    std::unique_ptr<platform::HidEventPort> OpenEventInterface(std::size_t) override
    {
        if (m_wire.input.Byte() == 1) {
            return nullptr;
        }
        auto port = std::make_unique<FuzzEventPort>(m_wire.input, m_stop);
        m_eventPorts.push_back(port.get());
        return port;
    }
    std::unique_ptr<platform::HidPort> OpenCommandInterface(std::size_t) override
    {
        return m_wire.input.Byte() == 1 ? nullptr : std::make_unique<FuzzCommandPort>(m_wire);
    }

private:
    Wire& m_wire;
    std::atomic<bool>& m_stop;
    std::vector<FuzzEventPort*>& m_eventPorts;
    std::size_t m_count;
};

class FuzzBus final : public device::HidBus {
public:
    FuzzBus(Wire& wire, std::atomic<bool>& stop) : m_wire(wire), m_stop(stop) {}
    std::unique_ptr<device::HidInterfaceList> ListInterfaces() override
    {
        if (m_wire.input.Byte() == 1) {
            return nullptr;
        }
        return std::make_unique<FuzzInterfaceList>(m_wire, m_stop, eventPorts);
    }
    std::vector<FuzzEventPort*> eventPorts;  // owned by the connection state

private:
    Wire& m_wire;
    std::atomic<bool>& m_stop;
};

// A sequence starts with a clean wire: what counts is what it sends after its own failure.
device::TransferResult Sequence(Wire& wire, auto&& run)
{
    wire.failed = false;
    wire.sendsAfterFailure = 0;
    const device::TransferResult result = run();
    Require(wire.sendsAfterFailure == 0);
    // A sequence that reports success saw no failure, and the other way round.
    Require(result.has_value() == !wire.failed);
    if (!result) {
        Require(!device::DescribeTransferFailure(result.error()).empty());
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    Wire wire{input};
    std::atomic<bool> stop{false};
    FuzzBus bus(wire, stop);
    platform::RecordingPacer pacer;
    app::DeviceLink link(bus, pacer, {});
    app::AppState state;
    for (std::size_t i = 0; i < state.record.bytes.size(); ++i) {
        state.record.bytes[i] = static_cast<std::uint8_t>(i * 7);
    }
    const settings::ProfileRecord loaded = state.record;

    const app::Connection connection = app::ConnectAtStartUp(state, link);
    Require(connection.Connected() == link.Connected());
    // The opening sequence touches the record's profile number only.
    Require(std::equal(loaded.bytes.begin() + 1, loaded.bytes.end(), state.record.bytes.begin() + 1));
    device::CommandLink* command = link.Link();
    if (command == nullptr) {
        return 0;
    }
    Sequence(wire, [&] { return device::RunOpeningSequence(*command, state.image, state.record); });

    // Device notices: the DPI-stage read changes only the profile number and the first
    // config block, and every balloon names a DPI the mouse can have.
    for (int notice = 0; notice < 3 && !input.Empty(); ++notice) {
        const std::uint8_t code = input.Byte() % 16;
        const std::uint8_t value = input.Byte() % 10;
        const settings::SettingsImage before = state.image;
        if (code >= app::notice::kDpiStageFirst && code <= app::notice::kDpiStageLast && value >= 1 && value <= 7) {
            Sequence(wire, [&] { return device::RunDpiStageRead(*command, state.image); });
        }
        const auto balloon = app::BalloonForNotice(code, value, state.language, state.image);
        const auto configStart = settings::SettingsImage::kConfigBlock;
        Require(
            std::equal(before.bytes.begin() + 1, before.bytes.begin() + configStart, state.image.bytes.begin() + 1));
        Require(std::equal(before.bytes.begin() + configStart + settings::kBlockSize, before.bytes.end(),
                           state.image.bytes.begin() + configStart + settings::kBlockSize));
        if (balloon) {
            Require(!balloon->text.empty() && balloon->text.size() < 200);
        }
    }

    // The apply: a config block not read whole is never written back.
    const settings::ProfileRecord beforeApply = state.record;
    wire.sends = 0;
    const device::TransferResult applied =
        Sequence(wire, [&] { return app::RunDeviceApply(*command, state.record, state.image); });
    Require(state.record[settings::ProfileRecord::kDeviceProfileNumber] == 0);
    Require(std::equal(beforeApply.bytes.begin() + 1, beforeApply.bytes.end(), state.record.bytes.begin() + 1));
    if (applied) {
        Require(std::equal(state.record.MacroArea().begin(), state.record.MacroArea().end(),
                           state.image.MacroBlocks().begin()));
        // Select, report rate, config read: one report each; config, button and 19 macro
        // blocks: a feature report and two chunks each.
        Require(wire.sends == 3 + 21 * 3);
    }

    // The event listener hands over exactly the reports that are events, however long.
    const device::EventInterface events = link.Connection().Events();
    if (!events.port || bus.eventPorts.empty()) {
        return 0;
    }
    auto* port = bus.eventPorts.back();
    if (events.port.get() != port) {
        return 0;
    }
    std::size_t handed = 0;
    platform::PortableWakeEvent wake;
    app::RunEventListener(
        link.Connection(), wake, [&handed](std::uint8_t, std::uint8_t) { ++handed; }, stop);
    Require(handed == port->events);
    return 0;
}
