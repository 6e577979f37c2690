#pragma once
// A trace of every transfer with the mouse and every pause, one line each, in order:
//
//   set-feature <the report bytes sent>
//   get-feature <the report bytes received>
//   write <the report bytes sent>
//   read <the report bytes received>
//   sleep <milliseconds>
//
// Bytes are lowercase two-digit hex separated by one space. The port and pacer below
// wrap the real ones, so any mouse (virtual or not) can be traced.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "platform/hid_port.h"
#include "platform/pacer.h"

namespace zalvane::device {

// Lowercase two-digit hex, one space between bytes; with `bytesPerLine` > 0 a newline
// after every that many bytes (none after the last).
std::string HexBytes(std::span<const std::uint8_t> bytes, std::size_t bytesPerLine = 0);

class TraceLog {
public:
    explicit TraceLog(std::ostream& out) : m_out(out) {}

    void Transfer(std::string_view kind, std::span<const std::uint8_t> bytes);
    void Pause(std::chrono::milliseconds duration);

private:
    std::ostream& m_out;
};

// Wraps a command interface it takes over, so that it can stand where that one stood.
class TracingHidPort final : public platform::HidPort {
public:
    TracingHidPort(std::unique_ptr<platform::HidPort> inner, TraceLog& log) : m_inner(std::move(inner)), m_log(log) {}

    bool SendFeatureReport(std::span<const std::uint8_t> report) override;
    bool GetFeatureReport(std::span<std::uint8_t> report) override;
    bool WriteOutputReport(std::span<const std::uint8_t> report) override;
    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer,
                                               std::chrono::milliseconds timeout) override;

private:
    std::unique_ptr<platform::HidPort> m_inner;
    TraceLog& m_log;
};

class TracingPacer final : public platform::Pacer {
public:
    TracingPacer(platform::Pacer& inner, TraceLog& log) : m_inner(inner), m_log(log) {}

    void Sleep(std::chrono::milliseconds duration) override;

private:
    platform::Pacer& m_inner;
    TraceLog& m_log;
};

}  // namespace zalvane::device
