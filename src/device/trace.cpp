#include "device/trace.h"

#include <algorithm>

namespace zalvane::device {

std::string HexBytes(std::span<const std::uint8_t> bytes, std::size_t bytesPerLine)
{
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) {
            text += (bytesPerLine > 0 && i % bytesPerLine == 0) ? '\n' : ' ';
        }
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
    }
    return text;
}

void TraceLog::Transfer(std::string_view kind, std::span<const std::uint8_t> bytes)
{
    m_out << kind;
    if (!bytes.empty()) {
        m_out << ' ' << HexBytes(bytes);
    }
    m_out << '\n';
}

void TraceLog::Pause(std::chrono::milliseconds duration) { m_out << "sleep " << duration.count() << '\n'; }

bool TracingHidPort::SendFeatureReport(std::span<const std::uint8_t> report)
{
    m_log.Transfer("set-feature", report);
    return m_inner->SendFeatureReport(report);
}

bool TracingHidPort::GetFeatureReport(std::span<std::uint8_t> report)
{
    const bool received = m_inner->GetFeatureReport(report);
    m_log.Transfer("get-feature", report);
    return received;
}

bool TracingHidPort::WriteOutputReport(std::span<const std::uint8_t> report)
{
    m_log.Transfer("write", report);
    return m_inner->WriteOutputReport(report);
}

std::optional<std::size_t> TracingHidPort::ReadInputReport(std::span<std::uint8_t> buffer,
                                                           std::chrono::milliseconds timeout)
{
    const std::optional<std::size_t> count = m_inner->ReadInputReport(buffer, timeout);
    m_log.Transfer("read", buffer.first(std::min(count.value_or(0), buffer.size())));
    return count;
}

void TracingPacer::Sleep(std::chrono::milliseconds duration)
{
    m_log.Pause(duration);
    m_inner.Sleep(duration);
}

}  // namespace zalvane::device
