#pragma once
// A command interface that stands between the host and a working one and fails once, at
// a given place in the order of its kind (counted from 0): it refuses a feature report,
// does not take an output report, or swallows an input report so that the read times out.
// What it lets through reaches the inner port unchanged.

#include <cstddef>
#include <memory>
#include <optional>

#include "platform/hid_port.h"

namespace zalvane::test {

struct PortFault {
    enum class Kind { kRefuseFeature, kRefuseOutput, kDropInput };
    Kind kind = Kind::kRefuseFeature;
    std::size_t at = 0;
};

class FaultyHidPort final : public platform::HidPort {
public:
    FaultyHidPort(std::unique_ptr<platform::HidPort> inner, PortFault fault) : m_inner(std::move(inner)), m_fault(fault)
    {
    }

    bool SendFeatureReport(std::span<const std::uint8_t> report) override
    {
        return !Hit(PortFault::Kind::kRefuseFeature, m_features) && m_inner->SendFeatureReport(report);
    }
    bool GetFeatureReport(std::span<std::uint8_t> report) override { return m_inner->GetFeatureReport(report); }
    bool WriteOutputReport(std::span<const std::uint8_t> report) override
    {
        return !Hit(PortFault::Kind::kRefuseOutput, m_outputs) && m_inner->WriteOutputReport(report);
    }
    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer,
                                               std::chrono::milliseconds timeout) override
    {
        const std::optional<std::size_t> count = m_inner->ReadInputReport(buffer, timeout);
        if (!Hit(PortFault::Kind::kDropInput, m_inputs)) {
            return count;
        }
        std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
        return 0;
    }

    // A wrapper for app::DeviceLink and zalvane-cli that puts the fault in front of each
    // command interface they open.
    static auto Wrapper(PortFault fault)
    {
        return [fault](std::unique_ptr<platform::HidPort> inner) -> std::unique_ptr<platform::HidPort> {
            return std::make_unique<FaultyHidPort>(std::move(inner), fault);
        };
    }

private:
    bool Hit(PortFault::Kind kind, std::size_t& count) const { return m_fault.kind == kind && count++ == m_fault.at; }

    std::unique_ptr<platform::HidPort> m_inner;
    PortFault m_fault;
    std::size_t m_features = 0;
    std::size_t m_outputs = 0;
    std::size_t m_inputs = 0;
};

}  // namespace zalvane::test
